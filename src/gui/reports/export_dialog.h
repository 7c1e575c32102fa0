#pragma once
// The export dialog TExportForm ("Exporteren"): the active report window as text, as CSV
// (matrix reports), as data for spreadsheets (the report's values, UTF-8 CSV) or as PDF (the
// printed pages), through the save dialog with its extension rules and the overwrite question.

#include <QDialog>
#include <functional>

#include "reports/export_formats.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TKindForm;

class TExportForm : public QDialog {
  Q_OBJECT

 public:
  TExportForm(Context& ctx, QWidget* ouder = nullptr);

  // The export command for a report window: shows the dialog; true when a file was written.
  bool ExportScherm(const TKindForm& venster, const QString& caption);

  // Exporting the active report is offered only while a report window is open (menu code 101).
  void ActiefRapportBeschikbaar(bool aan);

  // The save dialog, replaceable (tests answer it): the chosen name, or empty when cancelled.
  // The filter to preselect goes in through gekozenFilter, the one chosen comes back.
  std::function<QString(const QString& voorstel, const QString& filters, QString* gekozenFilter)> opslaanDialoog;
  std::function<void(int topic)> helpTonen;

  // The file the last export wrote (empty when it wrote none).
  QString GeschrevenBestand() const { return geschreven_; }

 private:
  Exportsoort Gekozen() const;
  void Kiezen(Exportsoort soort);
  void Exporteren();
  QString Opslaan(const QString& voorstel, const QString& filters, QString* filter);

  Context& ctx_;
  const TKindForm* venster_ = nullptr;
  QString caption_;
  QString geschreven_;
  bool rapportBeschikbaar_ = true;
  QLabel* rapportLabel_;
  QRadioButton* tekst_;
  QRadioButton* csv_;
  QRadioButton* gegevens_;
  QRadioButton* pdf_;
  QLabel* geenTabel_;
  QPushButton* exporteren_;
};

}  // namespace morvask::gui
