#include "gui/reports/export_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/reports/print_pages.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"

namespace morvask::gui {

namespace {

const QString kTekstFilter = QStringLiteral("TXT-files (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV-files (*.csv)");
const QString kPdfFilter = QStringLiteral("PDF-files (*.pdf)");
const QString kAlleFilter = QStringLiteral("All files (*.*)");

QString FilterVoor(Exportsoort soort) {
  switch (soort) {
    case Exportsoort::Csv:
    case Exportsoort::Gegevens:
      return kCsvFilter;
    case Exportsoort::Pdf:
      return kPdfFilter;
    case Exportsoort::Tekst:
      break;
  }
  return kTekstFilter;
}

// The paper of a PDF export: the size of the user's region (Letter where it is the custom).
QPageLayout StandaardPapier() {
  const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

// The folder the save dialog starts in: the project's own, else the settings' project folder.
QString Beginmap(const Context& ctx) {
  const std::string& project = ctx.project.Projectbestandsnaam;
  const std::size_t scheiding = project.find_last_of('/');
  if (!project.empty() && project.front() == '/' && scheiding != std::string::npos)
    return PadNaarQt(project.substr(0, scheiding + 1));
  return PadNaarQt(ctx.instellingen.Projectdirectory);
}

}  // namespace

TExportForm::TExportForm(Context& ctx, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      rapportLabel_(Benoemd<QLabel>("ntRapportLabel")),
      tekst_(Benoemd<QRadioButton>("RadioButton1", QStringLiteral("T&XT"))),
      csv_(Benoemd<QRadioButton>("RadioButton2", QStringLiteral("&CSV tekst met scheidingstekens (alleen matrices)"))),
      gegevens_(Benoemd<QRadioButton>("RadioButton3",
                                      QStringLiteral("&Gegevens: CSV in UTF-8 met kolomnamen (matrices, routes en "
                                                     "niet-routes)"))),
      pdf_(Benoemd<QRadioButton>("RadioButton4", QStringLiteral("&PDF, zoals afgedrukt"))),
      geenTabel_(Benoemd<QLabel>("GeenTabelLabel",
                                 QStringLiteral("Dit rapport bevat geen tabel; CSV tekst is alleen mogelijk voor "
                                                "matrices."))),
      exporteren_(Benoemd<QPushButton>("Button1", QStringLiteral("&Exporteren..."))) {
  setObjectName(QStringLiteral("ExportForm"));
  setWindowTitle(QStringLiteral("Exporteren"));

  QFont vet = rapportLabel_->font();
  vet.setBold(true);
  rapportLabel_->setFont(vet);

  auto* formaat = Benoemd<QGroupBox>("FormaatGroupBox", QStringLiteral(" Formaat: "));
  auto* keuzes = new QVBoxLayout(formaat);
  for (QRadioButton* r : {tekst_, csv_, gegevens_, pdf_}) keuzes->addWidget(r);
  tekst_->setChecked(true);
  geenTabel_->setWordWrap(true);
  keuzes->addWidget(geenTabel_);

  // The tip opens the help topic on export, which tells how to open the CSV in a spreadsheet.
  auto* tip = Benoemd<QPushButton>("TipButton", QStringLiteral("T&ip: exporteren naar spreadsheet "));
  tip->setFlat(true);
  tip->setCursor(Qt::PointingHandCursor);
  QFont link = tip->font();
  link.setUnderline(true);
  tip->setFont(link);
  QPalette blauw = tip->palette();
  blauw.setColor(QPalette::ButtonText, blauw.color(QPalette::Link));
  tip->setPalette(blauw);
  auto* help = Benoemd<QPushButton>("HelpButton", QStringLiteral("&Help"));
  const auto helpOpenen = [this] {
    if (helpTonen) helpTonen(HelpExporteren);
  };
  connect(tip, &QPushButton::clicked, this, helpOpenen);
  connect(help, &QPushButton::clicked, this, helpOpenen);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, helpOpenen);
  auto* hulp = new QHBoxLayout;
  hulp->addWidget(tip);
  hulp->addStretch();
  hulp->addWidget(help);

  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, exporteren_, [this] { Exporteren(); });

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(rapportLabel_);
  opbouw->addWidget(formaat);
  opbouw->addLayout(hulp);
  opbouw->addSpacing(6);
  opbouw->addWidget(knoppen);
  formaat->setMinimumWidth(420);
  VasteRandZetten(this, opbouw);
}

Exportsoort TExportForm::Gekozen() const {
  if (csv_->isChecked()) return Exportsoort::Csv;
  if (gegevens_->isChecked()) return Exportsoort::Gegevens;
  if (pdf_->isChecked()) return Exportsoort::Pdf;
  return Exportsoort::Tekst;
}

void TExportForm::Kiezen(Exportsoort soort) {
  switch (soort) {
    case Exportsoort::Tekst:
      tekst_->setChecked(true);
      break;
    case Exportsoort::Csv:
      csv_->setChecked(true);
      break;
    case Exportsoort::Gegevens:
      gegevens_->setChecked(true);
      break;
    case Exportsoort::Pdf:
      pdf_->setChecked(true);
      break;
  }
}

void TExportForm::ActiefRapportBeschikbaar(bool aan) {
  rapportBeschikbaar_ = aan;
  exporteren_->setEnabled(aan && venster_);
}

bool TExportForm::ExportScherm(const TKindForm& venster, const QString& caption) {
  venster_ = &venster;
  caption_ = caption;
  geschreven_.clear();
  rapportLabel_->setText(caption);
  const Rapport& inhoud = venster.InhoudZonderRegels();
  csv_->setEnabled(ExportsoortMogelijk(inhoud, Exportsoort::Csv));
  gegevens_->setEnabled(ExportsoortMogelijk(inhoud, Exportsoort::Gegevens));
  geenTabel_->setVisible(!inhoud.BevatTabelData);
  Kiezen(BeginExportsoort(inhoud, Gekozen()));
  exporteren_->setEnabled(rapportBeschikbaar_);
  exporteren_->setFocus();
  exec();
  venster_ = nullptr;
  return !geschreven_.isEmpty();
}

QString TExportForm::Opslaan(const QString& voorstel, const QString& filters, QString* filter) {
  if (opslaanDialoog) return opslaanDialoog(voorstel, filters, filter);
  QFileDialog d(this, KaleTekst(exporteren_->text()), voorstel, filters);
  d.setAcceptMode(QFileDialog::AcceptSave);
  // The extension rule and the overwrite question are the program's own.
  d.setOption(QFileDialog::DontConfirmOverwrite);
  d.selectNameFilter(*filter);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  *filter = d.selectedNameFilter();
  return d.selectedFiles().front();
}

void TExportForm::Exporteren() {
  if (!venster_) return;
  const Exportsoort soort = Gekozen();
  QString map = Beginmap(ctx_);
  if (!map.isEmpty() && !map.endsWith(QLatin1Char('/'))) map += QLatin1Char('/');
  const QString voorstel = map + NaarQt(VoorgesteldeNaam(VanQt(caption_), soort));
  QString filter = FilterVoor(soort);
  const QString filters = QStringList{kTekstFilter, kCsvFilter, kPdfFilter, kAlleFilter}.join(QStringLiteral(";;"));
  const QString gekozen = Opslaan(voorstel, filters, &filter);
  if (gekozen.isEmpty()) {
    reject();
    return;
  }
  const TKindForm& venster = *venster_;
  const std::string naam = PadVanQt(gekozen);
  const auto maakPdf = [&]() -> std::optional<std::string> {
    ctx_.ui.BezigCursor(true);
    const QByteArray pdf = PaginasAlsPdf(venster.Tekst()->Regels(), venster.Tekst()->Lettergrootte(), caption_,
                                         StandaardPapier(), ctx_.catalogus);
    ctx_.ui.BezigCursor(false);
    if (pdf.isEmpty()) {
      ToonFout(ctx_.ui, ctx_.catalogus, ctx_.catalogus.Vul("AA00006", {PadVoorWeergave(NaamMetExtensie(naam, Exportsoort::Pdf))}));
      return std::nullopt;
    }
    return pdf.toStdString();
  };
  const auto geschreven =
      ExporterenNaarGekozenBestand(venster.AlsRapport(), naam, soort, ctx_.ui, ctx_.catalogus, maakPdf);
  // Nothing written (the file kept, or it could not be written): the dialog stays, so that
  // another name can be chosen.
  if (!geschreven) return;
  geschreven_ = PadNaarQt(*geschreven);
  accept();
}

}  // namespace morvask::gui
