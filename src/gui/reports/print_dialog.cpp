#include "gui/reports/print_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "gui/app/help_topics.h"
#include "gui/app/qt_text.h"
#include "gui/reports/print_pages.h"
#include "gui/reports/print_preview.h"
#include "gui/reports/report_layout_dialog.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_window.h"
#include "gui/widgets/dialog_frame.h"
#include "gui/widgets/named_widgets.h"
#include "reports/export_formats.h"

namespace morvask::gui {

namespace {

// The system's default printer, or printing to a PDF file when there is none.
std::unique_ptr<QPrinter> HuidigePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  const QPrinterInfo standaard = QPrinterInfo::defaultPrinter();
  if (standaard.isNull()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
  } else {
    printer->setPrinterName(standaard.printerName());
  }
  // The pages are laid out on the whole sheet, within margins of their own.
  printer->setFullPage(true);
  return printer;
}

// The folder the PDF file is proposed in: the project's own, else the settings' project folder.
QString Beginmap(const Context& ctx) {
  const std::string& project = ctx.project.Projectbestandsnaam;
  const std::size_t scheiding = project.find_last_of('/');
  QString map = !project.empty() && project.front() == '/' && scheiding != std::string::npos
                    ? PadNaarQt(project.substr(0, scheiding + 1))
                    : PadNaarQt(ctx.instellingen.Projectdirectory);
  if (!map.isEmpty() && !map.endsWith(QLatin1Char('/'))) map += QLatin1Char('/');
  return map;
}

}  // namespace

TAfdrukkenForm1::TAfdrukkenForm1(Context& ctx, TRapportOpmaakForm& opmaak, QWidget* ouder)
    : QDialog(ouder),
      ctx_(ctx),
      opmaak_(opmaak),
      printer_(HuidigePrinter()),
      rapportLabel_(Benoemd<QLabel>("ntRapportLabel")),
      printerLabel_(Benoemd<QLabel>("ntPrinterLabel")),
      fout_(Benoemd<QLabel>("FoutLabel",
                            QStringLiteral("Afdrukken is niet gelukt: de printer kon niet worden geopend."))),
      afdrukken_(Benoemd<QPushButton>("Button1", QStringLiteral("Af&drukken"))),
      // The preview belongs to the main window like every other window of the program.
      voorbeeld_(new TPrintPreviewForm(ctx.catalogus, ouder ? ouder : this)) {
  setObjectName(QStringLiteral("AfdrukkenForm1"));
  setWindowTitle(QStringLiteral("Afdrukken"));
  const auto helpOpenen = [this] {
    if (helpTonen) helpTonen(HelpAfdrukken);
  };
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, helpOpenen);
  voorbeeld_->helpTonen = helpOpenen;

  QFont vet = rapportLabel_->font();
  vet.setBold(true);
  rapportLabel_->setFont(vet);
  fout_->setWordWrap(true);
  QPalette rood = fout_->palette();
  rood.setColor(QPalette::WindowText, Qt::darkRed);
  fout_->setPalette(rood);
  fout_->hide();

  auto* instellingen = Benoemd<QPushButton>("Button3", QStringLiteral("&Printerinstellingen  "));
  auto* opmaakKnop = Benoemd<QPushButton>("Button4", QStringLiteral("Rapport&opmaak     "));
  auto* voorbeeld = Benoemd<QPushButton>("Button5", QStringLiteral("Afdruk&voorbeeld    "));
  connect(instellingen, &QPushButton::clicked, this, [this] { Printerinstellingen(); });
  connect(opmaakKnop, &QPushButton::clicked, this, [this] { Rapportopmaak(); });
  connect(voorbeeld, &QPushButton::clicked, this,
          [this] { voorbeeld_->Tonen(*printer_, [this](QPrinter* p) { Tekenen(*p); }); });
  auto* rij = new QHBoxLayout;
  rij->addWidget(instellingen);
  rij->addWidget(opmaakKnop);
  rij->addWidget(voorbeeld);

  QDialogButtonBox* knoppen = OKAnnulerenKnoppen(this, afdrukken_, [this] { Afdrukken(); });

  auto* opbouw = new QVBoxLayout(this);
  opbouw->addWidget(rapportLabel_);
  opbouw->addWidget(printerLabel_);
  opbouw->addSpacing(6);
  opbouw->addLayout(rij);
  opbouw->addWidget(fout_);
  opbouw->addSpacing(6);
  opbouw->addWidget(knoppen);
  VasteRandZetten(this, opbouw);
}

TAfdrukkenForm1::~TAfdrukkenForm1() = default;

QString TAfdrukkenForm1::Printernaam() const {
  return printer_->outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF") : printer_->printerName();
}

void TAfdrukkenForm1::PrinterLabelBijwerken() {
  printerLabel_->setText(NaarQt(ctx_.catalogus["AA00180"]) + QLatin1Char(' ') + Printernaam());
}

void TAfdrukkenForm1::AfdrukScherm(TKindForm& venster, const QString& caption) {
  venster_ = &venster;
  caption_ = caption;
  rapportLabel_->setText(caption);
  printer_->setDocName(caption);
  PrinterLabelBijwerken();
  if (isVisible()) return;
  geschreven_.clear();
  fout_->hide();
  afdrukken_->setFocus();
  exec();
}

bool TAfdrukkenForm1::Tekenen(QPrinter& printer) {
  if (!venster_) return false;
  const TRapportTekst& tekst = *venster_->Tekst();
  QPainter p;
  if (!p.begin(&printer)) return false;
  ctx_.ui.BezigCursor(true);
  PaginasTekenen(p, printer, AfdrukindelingVoor(tekst.Regels(), tekst.Lettergrootte(), printer, ctx_.catalogus),
                 tekst.Lettergrootte());
  p.end();
  ctx_.ui.BezigCursor(false);
  return true;
}

QString TAfdrukkenForm1::PdfNaamVragen(const QString& voorstel) {
  if (pdfDialoog) return pdfDialoog(voorstel);
  QFileDialog d(this, KaleTekst(afdrukken_->text()), voorstel, QStringLiteral("PDF-files (*.pdf)"));
  d.setAcceptMode(QFileDialog::AcceptSave);
  // The extension rule and the overwrite question are the program's own.
  d.setOption(QFileDialog::DontConfirmOverwrite);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return d.selectedFiles().front();
}

void TAfdrukkenForm1::Afdrukken() {
  if (!venster_) return;
  fout_->hide();
  const TRapportTekst& tekst = *venster_->Tekst();
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    const QString voorstel = printer_->outputFileName().isEmpty()
                                 ? Beginmap(ctx_) + NaarQt(VoorgesteldeNaam(VanQt(caption_), Exportsoort::Pdf))
                                 : printer_->outputFileName();
    const QString gekozen = PdfNaamVragen(voorstel);
    if (gekozen.isEmpty()) return;  // the dialog stays: nothing printed
    const auto maakPdf = [&]() -> std::optional<std::string> {
      ctx_.ui.BezigCursor(true);
      const QByteArray pdf =
          PaginasAlsPdf(tekst.Regels(), tekst.Lettergrootte(), caption_, printer_->pageLayout(), ctx_.catalogus);
      ctx_.ui.BezigCursor(false);
      if (pdf.isEmpty()) return std::nullopt;
      return pdf.toStdString();
    };
    const auto geschreven = ExporterenNaarGekozenBestand(venster_->InhoudZonderRegels(), PadVanQt(gekozen),
                                                         Exportsoort::Pdf, ctx_.ui, ctx_.catalogus, maakPdf);
    if (!geschreven) return;
    geschreven_ = PadNaarQt(*geschreven);
    printer_->setOutputFileName(geschreven_);
    accept();
    return;
  }
  if (!Tekenen(*printer_)) {
    fout_->show();
    return;
  }
  accept();
}

void TAfdrukkenForm1::Printerinstellingen() {
  if (printerInstellen) {
    printerInstellen(*printer_);
  } else {
    QPrintDialog d(printer_.get(), this);
    d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog sets the printer up; printing is this dialog's own button.
    for (auto* rij : d.findChildren<QDialogButtonBox*>())
      if (QPushButton* ok = rij->button(QDialogButtonBox::Ok)) ok->setText(NaarQt(ctx_.catalogus["ZB00020"]));
    d.exec();
  }
  printer_->setFullPage(true);
  PrinterLabelBijwerken();
}

void TAfdrukkenForm1::Rapportopmaak() {
  if (!venster_) return;
  if (const auto grootte = opmaak_.LettergrootteKiezen(venster_->Tekst()->Lettergrootte()))
    venster_->Tekst()->LettergrootteZetten(*grootte);
  AfdrukScherm(*venster_, caption_);
}

}  // namespace morvask::gui
