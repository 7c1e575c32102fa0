#include "gui/analysis/post_selection_list.h"

#include <QFontDatabase>

#include "analysis/intensities.h"
#include "core/project.h"
#include "gui/app/qt_text.h"

namespace morvask::gui {

TPostenLijst::TPostenLijst(Project& project, bool metOmschrijving, QWidget* ouder)
    : QListWidget(ouder), project_(project), metOmschrijving_(metOmschrijving) {
  setSelectionMode(QAbstractItemView::MultiSelection);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (!vullend_) MarkeringenOvernemen();
  });
}

void TPostenLijst::Vullen() {
  vullend_ = true;
  clear();
  for (const RWaarnemingspost& p : project_.Postlijst) {
    std::string tekst(p.Postcode.view());
    if (metOmschrijving_) tekst += " " + std::string(p.Omschrijving.view());
    auto* regel = new QListWidgetItem(NaarQt(tekst), this);
    regel->setSelected(p.Geselecteerd);
  }
  vullend_ = false;
}

void TPostenLijst::MarkeringenOvernemen() {
  for (int i = 0; i < count() && static_cast<std::size_t>(i) < project_.Postlijst.size(); ++i)
    project_.Postlijst[static_cast<std::size_t>(i)].Geselecteerd = item(i)->isSelected();
}

void TPostenLijst::AllesSelecteren(bool geselecteerd) {
  AlleWaarnemingspostenSelecteren(project_, geselecteerd);
  Vullen();
}

}  // namespace morvask::gui
