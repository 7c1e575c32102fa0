// The window tests run on Qt's offscreen platform under GoogleTest.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "gui/app/resources.h"

namespace {

// The offscreen platform's notices about what it cannot do are not the test's business.
void Melding(QtMsgType soort, const QMessageLogContext& context, const QString& tekst) {
  if (tekst.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (tekst.startsWith(QLatin1String("QStandardPaths:"))) return;
  qt_message_output(soort, context, tekst);
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(Melding);
  QApplication app(argc, argv);
  morvask::gui::HulpbronnenLaden();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
