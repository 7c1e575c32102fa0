#pragma once
// The print dialog TAfdrukkenForm1 ("Afdrukken") with the current printer, printer set-up,
// report font size and print preview; printing the active report window with the page header
// "Morvask 4.4" and the footer "Pagina %s van %s". Printing to a PDF file is always available:
// without a system printer it is the current printer ("PDF"), and printing then asks for the
// name of the PDF file.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QPushButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TKindForm;
class TPrintPreviewForm;
class TRapportOpmaakForm;

class TAfdrukkenForm1 : public QDialog {
  Q_OBJECT

 public:
  TAfdrukkenForm1(Context& ctx, TRapportOpmaakForm& opmaak, QWidget* ouder = nullptr);
  ~TAfdrukkenForm1() override;

  // The print command for a report window: shows the dialog, or, when it is open already,
  // takes the window's font size and caption anew.
  void AfdrukScherm(TKindForm& venster, const QString& caption);

  // The name of the PDF file when printing to PDF, replaceable (tests answer it): the chosen
  // name, or empty when cancelled.
  std::function<QString(const QString& voorstel)> pdfDialoog;
  // The printer set-up dialog, replaceable; true when it was confirmed.
  std::function<bool(QPrinter& printer)> printerInstellen;
  std::function<void(int topic)> helpTonen;

  QPrinter& Printer() const { return *printer_; }
  TPrintPreviewForm* Afdrukvoorbeeld() const { return voorbeeld_; }
  // The name of the current printer as the label shows it ("PDF" for printing to a file).
  QString Printernaam() const;
  // The PDF file the last print wrote (empty when none).
  QString GeschrevenBestand() const { return geschreven_; }

 private:
  void PrinterLabelBijwerken();
  // Draws the report window's pages on the printer; false when the printer cannot be opened.
  bool Tekenen(QPrinter& printer);
  void Afdrukken();
  void Printerinstellingen();
  void Rapportopmaak();
  QString PdfNaamVragen(const QString& voorstel);

  Context& ctx_;
  TRapportOpmaakForm& opmaak_;
  std::unique_ptr<QPrinter> printer_;
  QPointer<TKindForm> venster_;
  QString caption_;
  QString geschreven_;
  QLabel* rapportLabel_;
  QLabel* printerLabel_;
  QLabel* fout_;
  QPushButton* afdrukken_;
  TPrintPreviewForm* voorbeeld_;
};

}  // namespace morvask::gui
