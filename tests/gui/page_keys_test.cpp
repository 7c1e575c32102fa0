// The page keys of a tabbed window: they turn its pages with the focus on its buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "gui/widgets/page_keys.h"

namespace morvask::gui {
namespace {

TEST(Paginatoetsen, TurnThePagesWhereverTheFocusIsAndPassOverAHiddenOrDisabledPage) {
  QDialog venster;
  auto* paginas = new QTabWidget;
  for (const char* naam : {"Mappen", "Rapporten", "Editor", "Opties", "Overig"})
    paginas->addTab(new QLabel(QString::fromLatin1(naam)), QString::fromLatin1(naam));
  paginas->setTabVisible(2, false);
  paginas->setTabEnabled(4, false);
  PaginatoetsenZetten(paginas);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  auto* opbouw = new QVBoxLayout(&venster);
  opbouw->addWidget(paginas);
  opbouw->addWidget(ok);
  venster.show();
  venster.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&venster));
  ok->setFocus();

  const std::pair<Qt::Key, Qt::KeyboardModifiers> toetsen[] = {
      {Qt::Key_Tab, Qt::ControlModifier},
      {Qt::Key_PageDown, Qt::ControlModifier},
      {Qt::Key_PageDown, Qt::ControlModifier},
      {Qt::Key_PageUp, Qt::ControlModifier},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}};
  std::vector<int> gezien;
  for (const auto& [toets, met] : toetsen) {
    QTest::keyClick(ok, toets, met);
    gezien.push_back(paginas->currentIndex());
  }
  EXPECT_EQ(gezien, (std::vector<int>{1, 3, 0, 3, 1}));
  EXPECT_EQ(QApplication::focusWidget(), ok);
}

}  // namespace
}  // namespace morvask::gui
