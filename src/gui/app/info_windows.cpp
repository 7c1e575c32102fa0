#include "gui/app/info_windows.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue.h"
#include "base/context.h"
#include "base/version.h"
#include "gui/app/qt_text.h"
#include "language/translation.h"

namespace morvask::gui {

namespace {

QLabel* Label(QWidget* ouder, const char* naam, const QString& tekst) {
  auto* l = new QLabel(tekst, ouder);
  l->setObjectName(QString::fromLatin1(naam));
  l->setWordWrap(true);
  return l;
}

}  // namespace

TOpstartInfoForm::TOpstartInfoForm(const Context& ctx, QWidget* ouder)
    : QDialog(ouder), ctx_(ctx), sluiten_(new QPushButton(QStringLiteral("&Sluiten"), this)) {
  setObjectName(QStringLiteral("OpstartInfoForm"));
  setWindowTitle(QString::fromLatin1(Programmanaam));
  QLabel* naam = Label(this, "ntProgrammanaamLabel", QString::fromLatin1(Programmanaam));
  QFont groot = naam->font();
  groot.setPointSizeF(groot.pointSizeF() * 2.2);
  groot.setBold(true);
  naam->setFont(groot);
  QLabel* omschrijving =
      Label(this, "Label1", QStringLiteral("Kentekenonderzoek: intensiteiten, routes en herkomst-bestemmingsmatrices"));
  versie_ = Label(this, "ntVersieLabel", QString());
  QLabel* rechten = Label(this, "Label2",
                          QStringLiteral("Copyright \u00A9 2026 de Morvask-ontwikkelaars. Morvask is vrije software: u "
                                         "mag het verspreiden en wijzigen onder de voorwaarden van de GNU General "
                                         "Public License, versie 3 of later. Er is geen garantie."));
  QLabel* gegevens = Label(this, "Label3",
                           QStringLiteral("Kentekens zijn persoonsgegevens: bewaar projecten en reservebestanden "
                                          "alleen zolang het onderzoek ze nodig heeft."));
  sluiten_->setObjectName(QStringLiteral("Button1"));
  sluiten_->setDefault(true);
  connect(sluiten_, &QPushButton::clicked, this, &QDialog::accept);

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(naam);
  opbouw->addWidget(omschrijving);
  opbouw->addWidget(versie_);
  opbouw->addSpacing(8);
  opbouw->addWidget(rechten);
  opbouw->addWidget(gegevens);
  opbouw->addWidget(sluiten_, 0, Qt::AlignRight);
  setFixedWidth(460);
  TekstenBijwerken();

  timer_.setSingleShot(true);
  timer_.setInterval(1800);
  connect(&timer_, &QTimer::timeout, this, [this] {
    hide();
    sluiten_->setVisible(true);
  });
}

void TOpstartInfoForm::TekstenBijwerken() {
  const std::string nummer = VolledigeVersie() + " build " + std::to_string(Buildnummer());
  versie_->setText(NaarQt(TekstVullen(ctx_.vast.VersieRegel, {nummer})));
}

void TOpstartInfoForm::OpstartTonen() {
  TekstenBijwerken();
  sluiten_->setVisible(false);
  setModal(false);
  show();
  timer_.start();
}

void TOpstartInfoForm::InfoTonen() {
  timer_.stop();
  TekstenBijwerken();
  sluiten_->setVisible(true);
  exec();
}

void TOpstartInfoForm::keyPressEvent(QKeyEvent* e) {
  timer_.stop();
  sluiten_->setVisible(true);
  e->accept();
  if (isModal()) {
    accept();
  } else {
    hide();
  }
}

TOpInternetForm::TOpInternetForm(QWidget* ouder) : QDialog(ouder) {
  setObjectName(QString::fromLatin1(OpInternetSchermNaam));
  setWindowTitle(QStringLiteral("Morvask @ internet..."));
  QLabel* uitleg = Label(this, "Label1",
                         QStringLiteral("Nieuwe versies, de handleiding en antwoorden op veel gestelde vragen staan "
                                        "op de website van Morvask:"));
  const QString adres = QString::fromLatin1(Webadres);
  QLabel* link = Label(this, "ntWebadresLabel", QStringLiteral("<a href=\"%1\">%1</a>").arg(adres));
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  link->setOpenExternalLinks(true);
  link->setAccessibleName(adres);
  auto* sluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
  sluiten->setObjectName(QStringLiteral("Button1"));
  sluiten->setDefault(true);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(uitleg);
  opbouw->addWidget(link);
  opbouw->addWidget(sluiten, 0, Qt::AlignRight);
  setFixedWidth(420);
}

}  // namespace morvask::gui
