#pragma once
// The calculation-time window TRekentijdForm ("Rekentijd"): how long the last calculation
// took, as the progress window measured it.

#include <QDialog>
#include <functional>

class QLabel;

namespace morvask {
class Catalogus;
}

namespace morvask::gui {

class TRekentijdForm : public QDialog {
  Q_OBJECT

 public:
  TRekentijdForm(const Catalogus& catalogus, QWidget* ouder = nullptr);

  // Shows the time of the last calculation, modally.
  void Tonen();
  // The time shown now ("00:01:05 u:m:s").
  QString Tijdtekst() const;

  // The duration of the last calculation in seconds.
  std::function<double()> rekentijd;

 private:
  void Bijwerken();

  const Catalogus& catalogus_;
  QLabel* tijd_;  // Label2
};

}  // namespace morvask::gui
