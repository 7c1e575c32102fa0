#include "gui/language/language_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/context.h"
#include "base/version.h"
#include "core/files.h"
#include "core/settings.h"
#include "gui/app/qt_text.h"
#include "gui/language/qt_translation.h"
#include "language/language_choice.h"
#include "language/language_file.h"

namespace morvask::gui {

namespace {

QGroupBox* Groep(QWidget* ouder, const char* naam, const QString& titel, QComboBox* lijst, const char* lijstnaam) {
  auto* g = new QGroupBox(titel, ouder);
  g->setObjectName(QString::fromLatin1(naam));
  lijst->setObjectName(QString::fromLatin1(lijstnaam));
  lijst->setEditable(false);
  lijst->setAccessibleName(titel.trimmed().remove(QLatin1Char(':')));
  auto* l = new QVBoxLayout(g);
  l->addWidget(lijst);
  return g;
}

// Neither list shows a selection: a list left alone keeps its choice. The one in use shows
// greyed in the empty field, so that the user sees what leaving it alone keeps.
void Vullen(QComboBox* lijst, const std::vector<std::string>& namen, const std::string& inGebruik) {
  lijst->clear();
  for (const std::string& n : namen) lijst->addItem(NaarQt(n));
  lijst->setPlaceholderText(NaarQt(inGebruik));
  lijst->setCurrentIndex(-1);
}

}  // namespace

TLanguageForm::TLanguageForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      talen_(new QComboBox(this)),
      helpbestanden_(new QComboBox(this)),
      sjabloon_(new QPushButton(this)) {
  setObjectName(QStringLiteral("LanguageForm"));
  setWindowTitle(QStringLiteral("Language"));
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("ntBitBtn1"));
  ok->setDefault(true);
  auto* annuleren = new QPushButton(QStringLiteral("&Cancel"), this);
  annuleren->setObjectName(QStringLiteral("ntBitBtn2"));
  sjabloon_->setObjectName(QStringLiteral("ntSpeedButton1"));
  sjabloon_->setFlat(true);
  sjabloon_->setFixedSize(5, 5);
  sjabloon_->setFocusPolicy(Qt::NoFocus);
  sjabloon_->setAccessibleName(QStringLiteral("Write language template"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
  connect(sjabloon_, &QPushButton::clicked, this, [this] {
    // Only in maintenance mode: the marker file in the temporary folder.
    if (!BestandBestaat(ctx_.mappen.Tijdelijk + OnderhoudsMarkering) || !sjabloonSchrijven) return;
    sjabloonSchrijven(TaalMap(ctx_.mappen.Programma) + "All" + TaalbestandExtensie);
  });

  auto* knoppen = new QHBoxLayout;
  knoppen->addWidget(sjabloon_, 0, Qt::AlignBottom);
  knoppen->addStretch();
  knoppen->addWidget(ok);
  knoppen->addWidget(annuleren);
  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(Groep(this, "ntGroupBox1", QStringLiteral(" Program: "), talen_, "ntComboBox1"));
  opbouw->addWidget(Groep(this, "ntGroupBox2", QStringLiteral(" Help: "), helpbestanden_, "ntComboBox2"));
  opbouw->addLayout(knoppen);
  setMinimumWidth(320);
}

bool TLanguageForm::Kiezen() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ctx_.instellingen.TaalGekozen = 1;
  Vullen(talen_, BeschikbareTalen(ctx_), ctx_.instellingen.Taal);
  Vullen(helpbestanden_, BeschikbareHelpbestanden(ctx_), ctx_.instellingen.HelpTaal);
  QApplication::restoreOverrideCursor();
  findChild<QPushButton*>(QStringLiteral("ntBitBtn1"))->setFocus();
  if (exec() != QDialog::Accepted) return false;
  Toepassen();
  return true;
}

void TLanguageForm::Toepassen() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<std::string> taal, help;
  if (talen_->currentIndex() >= 0) taal = VanQt(talen_->currentText());
  if (helpbestanden_->currentIndex() >= 0) help = VanQt(helpbestanden_->currentText());
  const QList<QWidget*> lijst = vensters ? vensters() : QList<QWidget*>{};
  std::vector<RScherm> schermen;
  for (QWidget* w : lijst) schermen.push_back(SchermVan(w));
  QApplication::restoreOverrideCursor();
  const auto helpbestand = TaalKeuzeToepassen(ctx_, schermen, taal, help, Organisatie);
  for (int i = 0; i < lijst.size(); ++i) SchermToepassen(lijst[i], schermen[static_cast<std::size_t>(i)]);
  if (helpbestand && helpbestandGekozen) helpbestandGekozen(PadNaarQt(*helpbestand));
}

}  // namespace morvask::gui
