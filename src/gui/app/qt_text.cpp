#include "gui/app/qt_text.h"

#include <QFile>

#include "core/win1252.h"

namespace morvask::gui {

QString NaarQt(std::string_view win1252) { return QString::fromStdString(Win1252NaarUtf8(win1252)); }

std::string VanQt(const QString& tekst) { return Utf8NaarWin1252(tekst.toStdString()); }

QString MeldingNaarQt(std::string_view win1252) {
  QString t = NaarQt(win1252);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

// A path is the system's bytes in the library as on the disk: only Qt's own coding of file
// names stands between them.
QString PadNaarQt(const std::string& pad) { return QFile::decodeName(QByteArray::fromStdString(pad)); }

std::string PadVanQt(const QString& pad) { return QFile::encodeName(pad).toStdString(); }

}  // namespace morvask::gui
