#pragma once
// The language window TLanguageForm ("Language"): the language of the screen texts and the
// help file, applied at once on "&OK". Its own texts are the program's (it is never
// translated). In maintenance mode its tiny button writes the template for translators.

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TLanguageForm : public QDialog {
  Q_OBJECT

 public:
  TLanguageForm(Context& ctx, QWidget* ouder = nullptr);

  // Shows the window modally (the language-chosen setting becomes 1 also when it is
  // cancelled); on "&OK" applies the choices. True on "&OK".
  bool Kiezen();

  // The windows that follow the language, and what to do with a new help file.
  std::function<QList<QWidget*>()> vensters;
  std::function<void(const QString& helpbestand)> helpbestandGekozen;
  // Writes the template for translators (maintenance mode).
  std::function<void(const std::string& bestandsnaam)> sjabloonSchrijven;

  QComboBox* Talen() const { return talen_; }
  QComboBox* Helpbestanden() const { return helpbestanden_; }

 private:
  void Toepassen();

  Context& ctx_;
  QComboBox* talen_;
  QComboBox* helpbestanden_;
  QPushButton* sjabloon_;
};

// The marker file whose presence in the temporary folder switches the maintenance mode on.
inline constexpr const char* OnderhoudsMarkering = "Morvask.maintenance";

}  // namespace morvask::gui
