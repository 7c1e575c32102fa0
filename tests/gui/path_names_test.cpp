// Path names between Qt and the library: a project in a folder whose name is not plain ASCII
// is saved and opened where the file dialog pointed, as morvask-cli finds it.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "core/files.h"
#include "gui/app/qt_text.h"
#include "gui/gui_support.h"

namespace morvask::gui::test {
namespace {

TEST(Padnamen, AProjectInAFolderWithAccentsIsSavedAndOpenedWhereTheDialogPointed) {
  Programmaomgeving o;
  o.Starten();
  const QString map = PadNaarQt(o.map / "") + QStringLiteral("België – Zuid");
  ASSERT_TRUE(QDir().mkpath(map));
  const QString bestand = map + QStringLiteral("/onderzoek één.mpr");

  o.programma->project.PostToevoegen("001-ki", "Oost");
  o.programma->project.MarkeerGewijzigd(o.programma->ui);
  o.hoofd->opslaanDialoog = [&](const QString&) { return bestand; };
  o.hoofd->Opdracht("Projectopslaanals1")->trigger();
  EXPECT_TRUE(QFileInfo::exists(bestand));
  EXPECT_EQ(o.hoofd->windowTitle(), QStringLiteral("Morvask 4.4 - onderzoek één.mpr"));

  // A second program finds the project in use by the first and opens it read-only.
  Programmaomgeving ander;
  ander.Starten();
  ander.hoofd->openDialoog = [&](const QString&) { return bestand; };
  Beantwoord(QString::fromLatin1(JaKnopNaam));
  ander.hoofd->Opdracht("Projectopenen1")->trigger();
  EXPECT_EQ(ander.programma->project.Postlijst.size(), 1u);
  EXPECT_EQ(ander.hoofd->windowTitle(), QStringLiteral("Morvask 4.4 - onderzoek één.mpr [alleen lezen]"));
  // Shown again as the user chose it.
  EXPECT_EQ(PadNaarQt(PadVanQt(bestand)), bestand);
}

}  // namespace
}  // namespace morvask::gui::test
