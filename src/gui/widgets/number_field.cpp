#include "gui/widgets/number_field.h"

#include <QLineEdit>
#include <algorithm>

namespace morvask::gui {

namespace {

bool AlleenCijfers(const QString& tekst) {
  return !tekst.isEmpty() && std::all_of(tekst.begin(), tekst.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

TGetalveld::TGetalveld(int minimum, int maximum, QWidget* ouder) : QSpinBox(ouder) {
  setRange(minimum, maximum);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TGetalveld::getypt);
}

int TGetalveld::Waarde() {
  interpretText();
  return value();
}

QValidator::State TGetalveld::validate(QString& tekst, int&) const {
  if (tekst.isEmpty()) return QValidator::Intermediate;
  if (!AlleenCijfers(tekst)) return QValidator::Invalid;
  bool ok = false;
  const qlonglong n = tekst.toLongLong(&ok);
  return ok && n >= minimum() && n <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TGetalveld::fixup(QString& tekst) const {
  if (!AlleenCijfers(tekst)) return;
  bool ok = false;
  const qlonglong n = tekst.toLongLong(&ok);
  // Too many digits for a number is more than the maximum.
  const qlonglong binnen = ok ? std::clamp<qlonglong>(n, minimum(), maximum()) : maximum();
  tekst = QString::number(binnen);
}

}  // namespace morvask::gui
