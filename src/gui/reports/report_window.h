#pragma once
// The report window TKindForm: a child window of the main window that shows one report in its
// read-only text view, keeps the report's table for the CSV export, and offers select all,
// copy, export and print in its context menu.

#include <QWidget>

#include "reports/report.h"

class QAction;
class QMenu;

namespace morvask::gui {

class TRapportTekst;

class TKindForm : public QWidget {
  Q_OBJECT

 public:
  // Takes the report's lines, table and table flag; the caption is given by the main window.
  TKindForm(Rapport rapport, int lettergrootte, QWidget* ouder = nullptr);

  TRapportTekst* Tekst() const { return tekst_; }
  // The report as it stands in the window: its lines, title, table and table flag (a copy,
  // for export and printing).
  Rapport AlsRapport() const;
  // The same without the lines: title, table, table flag and data values.
  const Rapport& InhoudZonderRegels() const { return inhoud_; }
  const RapportTabel& Tabel() const { return inhoud_.Tabel; }
  bool BevatTabelData() const { return inhoud_.BevatTabelData; }

  // The context menu's commands, with the captions of the main menu's items.
  void ContextmenuZetten(const QList<QAction*>& opdrachten);

 signals:
  // The window closes: the main window re-evaluates its commands shortly after.
  void gesloten();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Rapport inhoud_;  // the lines are held by the text view, inhoud_.Regels stays empty
  TRapportTekst* tekst_;
  QMenu* contextmenu_;
};

}  // namespace morvask::gui
