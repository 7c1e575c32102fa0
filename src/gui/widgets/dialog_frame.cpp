#include "gui/widgets/dialog_frame.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/widgets/named_widgets.h"
#include "gui/widgets/page_keys.h"

namespace morvask::gui {

void VasteRandZetten(QDialog* dialoog, QLayout* opbouw) {
  opbouw->setSizeConstraint(QLayout::SetFixedSize);
  dialoog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

QDialogButtonBox* OKAnnulerenKnoppen(QDialog* dialoog, QPushButton* ok, std::function<void()> okActie) {
  ok->setDefault(true);
  auto* annuleren = Benoemd<QPushButton>("Button2", QStringLiteral("&Annuleren"));
  auto* knoppen = new QDialogButtonBox;
  knoppen->addButton(ok, QDialogButtonBox::ActionRole);
  knoppen->addButton(annuleren, QDialogButtonBox::RejectRole);
  QObject::connect(ok, &QPushButton::clicked, dialoog, std::move(okActie));
  QObject::connect(knoppen, &QDialogButtonBox::rejected, dialoog, &QDialog::reject);
  return knoppen;
}

void HelpKnopToevoegen(QDialog* dialoog, QDialogButtonBox* knoppen, std::function<void()> tonen) {
  auto* help = Benoemd<QPushButton>("HelpButton", QStringLiteral("&Help"));
  knoppen->addButton(help, QDialogButtonBox::HelpRole);
  QObject::connect(help, &QPushButton::clicked, dialoog, tonen);
  QObject::connect(new QShortcut(QKeySequence::HelpContents, dialoog), &QShortcut::activated, dialoog,
                   std::move(tonen));
}

void PaginavensterOpbouwen(QDialog* dialoog, QTabWidget* paginas, QDialogButtonBox* knoppen) {
  auto* opbouw = new QVBoxLayout(dialoog);
  opbouw->addWidget(paginas);
  PaginatoetsenZetten(paginas);
  opbouw->addWidget(knoppen);
  VasteRandZetten(dialoog, opbouw);
}

}  // namespace morvask::gui
