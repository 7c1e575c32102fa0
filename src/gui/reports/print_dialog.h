#pragma once
// The print dialog TAfdrukkenForm1 ("Afdrukken") with the current printer, printer set-up,
// report font size and print preview; printing the active report window with the page header
// "Morvask 4.4" and the footer "Pagina %s van %s". Printing to a PDF file is always available.

#include <QDialog>
#include <functional>

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TKindForm;
class TRapportOpmaakForm;

class TAfdrukkenForm1 : public QDialog {
  Q_OBJECT

 public:
  TAfdrukkenForm1(Context& ctx, TRapportOpmaakForm& opmaak, QWidget* ouder = nullptr);

  // The print command for a report window.
  void AfdrukScherm(TKindForm& venster, const QString& caption);

  // The name of the PDF file when printing to PDF, replaceable (tests answer it).
  std::function<QString(const QString& voorstel)> pdfDialoog;

 private:
  Context& ctx_;
  TRapportOpmaakForm& opmaak_;
};

}  // namespace morvask::gui
