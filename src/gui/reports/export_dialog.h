#pragma once
// The export dialog TExportForm ("Exporteren"): the active report window as text, as CSV
// (matrix reports) or as PDF, through the save dialog with its extension rules and the
// overwrite question.

#include <QDialog>
#include <functional>

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

  // The save dialog, replaceable (tests answer it): the chosen name, or empty when cancelled.
  // The filter that was chosen comes back through gekozenFilter.
  std::function<QString(const QString& voorstel, const QString& filters, QString* gekozenFilter)> opslaanDialoog;
  std::function<void(int topic)> helpTonen;

 private:
  Context& ctx_;
};

}  // namespace morvask::gui
