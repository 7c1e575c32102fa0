#pragma once
// The vehicle types dialog TVehTypesForm ("Voertuigtypen"): the descriptions of the eight
// vehicle-type letters, with "OK && Rappor&t" for the vehicle types report.

#include <QDialog>
#include <functional>

#include "reports/report.h"

namespace morvask {
struct Context;
}

namespace morvask::gui {

class TVehTypesForm : public QDialog {
  Q_OBJECT

 public:
  TVehTypesForm(Context& ctx, QWidget* ouder = nullptr);

  // VehTypesFormTonen: fills the eight fields, shows modally, applies on "&OK" (and on
  // "OK && Rappor&t", which then opens the report).
  void VehTypesFormTonen();

  std::function<void(Rapport)> rapportTonen;
  std::function<void(int topic)> helpTonen;

 private:
  Context& ctx_;
};

}  // namespace morvask::gui
