#include <gtest/gtest.h>

#include "registrations/notes_report.h"
#include "support/report_fixture.h"

using namespace morvask;
using namespace morvask::test;

TEST(Aantekeningenrapport, HoldsTheNotesBetweenHeadAndFootWithoutPostLegend) {
  struct Geval {
    std::vector<std::string> notities;
    bool posten;
    std::vector<std::string> romp;
  };
  const std::string lijn = RapportProject::Lijn(28);
  const std::vector<Geval> gevallen = {
      {{}, false, {"Aantekeningen bij project:", "", ""}},
      {{"Regen na 8 uur.", "", "\tPost 2 bezet door J."},
       false,
       {"Aantekeningen bij project:", "", "Regen na 8 uur.", "", "\tPost 2 bezet door J.", ""}},
      {{"een"},
       true,
       {"Aantekeningen bij project:", "", "een", "", "Omschrijving waarnemingsposten in project", lijn,
        "Post    Omschrijving", lijn, "001-ki  Oost", lijn, ""}},
  };
  for (const Geval& g : gevallen) {
    RapportProject o;
    o.project.PostToevoegen("001-ki", "Oost");
    o.project.Aantekeningen = g.notities;
    o.instellingen.RapportOmschrijvingWaarnemingsposten = g.posten;
    const Rapport r = RapportAantekeningen(o.ctx);
    EXPECT_EQ(r.Titel, "Aantekeningen");
    EXPECT_EQ(r.Regels, Samen({RapportProject::Kop(), g.romp}));
  }
}
