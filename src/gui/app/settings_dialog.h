#pragma once
// The settings dialog TInstellingenForm1 ("Programma-instellingen"): folders, view, options
// and report settings on four pages.

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace morvask {
struct Context;
struct RProgrammaInstellingen;
}  // namespace morvask

namespace morvask::gui {

class TGetalveld;
class TKarakterveld;

class TInstellingenForm1 : public QDialog {
  Q_OBJECT

 public:
  TInstellingenForm1(Context& ctx, QWidget* ouder = nullptr);

  // InstellingenScherm: fills the controls from the settings, shows the dialog modally with
  // "&OK" focused and on "&OK" stores every control. True on "&OK".
  bool InstellingenScherm();

  // The folder browser of the "..." buttons, replaceable (tests answer it): the chosen
  // folder, or empty.
  std::function<QString(const QString& begin)> mapKiezen;

  // Opens a help topic (the main window's help).
  std::function<void(int topic)> helpTonen;

 private:
  QWidget* MappenPagina();
  QWidget* BeeldPagina();
  QWidget* OptiesPagina();
  QWidget* RapportPagina();
  void Vullen(const RProgrammaInstellingen& s);
  void Opslaan(RProgrammaInstellingen& s);
  // The "..." button of a folder field: the chosen folder in the field, with its separator.
  void MapBladeren(QLineEdit* veld, const QGroupBox* groep);

  Context& ctx_;
  QTabWidget* paginas_;
  QGroupBox* projectmapGroep_;
  QGroupBox* reservemapGroep_;
  QLineEdit* projectmap_;  // Edit1
  QPushButton* projectmapKnop_;
  QLineEdit* reservemap_;  // Edit7
  QPushButton* reservemapKnop_;
  QCheckBox* reservebestanden_;   // CheckBox3
  QCheckBox* projectgegevens_;    // CheckBox4
  QCheckBox* schermbeveiliging_;  // CheckBox2
  TGetalveld* interval_;          // UpDown1
  TGetalveld* geheugen_;          // UpDown2
  TGetalveld* lettergrootte_;     // UpDown3
  TKarakterveld* lijnteken_;      // Edit2
  QCheckBox* maximaliseren_;      // CheckBox8
  QCheckBox* inhoud_;             // CheckBox6
  QCheckBox* afkortingen_;        // CheckBox7
  QCheckBox* posten_;             // CheckBox9
  QPushButton* ok_;               // Button1
};

}  // namespace morvask::gui
