// The matching run side by side: the straightforward search and the indexed one on the same
// generated survey with the same settings, their times and ratio, and whether the two match
// files are the same byte for byte.

#include <cstdio>
#include <optional>
#include <string>

#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "analysis/route_search.h"
#include "base/context.h"
#include "core/files.h"
#include "core/project.h"
#include "core/settings.h"
#include "measure.h"
#include "oracle/straightforward_route_search.h"
#include "sections.h"

namespace morvask::bench {
namespace {

struct Matchinstelling {
  const char* naam;
  bool iteratief;
  int verwisseld;
  int verschillend;
  double doelVerhouding;  // 0: printed without a target
};

}  // namespace

void MatchrunSectie(Benchmark& b) {
  SectieAfdrukken("matching run (MatchUitvoeren), straightforward and indexed search side by side");
  OnderzoekInstellingen s;
  s.zaad = 2026;
  s.registraties = b.Grootte(200000);
  s.kordonpunten = 16;
  s.tussenpunten = 4;  // 40 posts
  s.vanTijd = 600;
  s.totTijd = 1900;
  Onderzoek onderzoek = OnderzoekMaken(s);
  const std::string grootte = Aantal(static_cast<long long>(onderzoek.project.Registratielijst.size())) + " regs, " +
                              std::to_string(onderzoek.project.Postlijst.size()) + " posts";

  RProgrammaInstellingen instellingen = b.Instellingen();
  Context ctx{onderzoek.project, instellingen, b.catalogus, b.ui, Mappen{}};
  ctx.project.Projectbestandsnaam = b.Werkmap() + "naast-elkaar.mpr";

  static const Matchinstelling instellingenlijst[] = {
      {"iterative, wildcards, swapped 2, different 1", true, 2, 1, 30.0},
      {"iterative, wildcards only", true, 0, 0, 0.0},
  };
  for (const Matchinstelling& m : instellingenlijst) {
    // The ratio grows with the survey: the quick run's small one has no target.
    const double doel = b.Snel() ? 0.0 : m.doelVerhouding;
    RMatchInstellingen in;
    MatchInstellingenVoorbereiden(in, ctx.project);
    in.Iteratief = m.iteratief;
    in.AantalVerwisseld = m.verwisseld;
    in.AantalVerschillend = m.verschillend;
    RMatchInstellingen inEenvoudig = in, inSnel = in;
    inEenvoudig.Bestandsnaam = b.Werkmap() + "eenvoudig.mma";
    inSnel.Bestandsnaam = b.Werkmap() + "geindexeerd.mma";

    const auto eenvoudig = test::EenvoudigeRoutezoeker();
    const auto snel = SnelleRoutezoeker();
    const double tSnel = Tijd([&] { MatchUitvoeren(ctx, inSnel, *snel); });
    const double tEenvoudig = Tijd([&] { MatchUitvoeren(ctx, inEenvoudig, *eenvoudig); });
    const bool gelijk = BestandLezen(inEenvoudig.Bestandsnaam) == BestandLezen(inSnel.Bestandsnaam);

    MetingAfdrukken({std::string("straightforward search, ") + m.naam, grootte, tEenvoudig, std::nullopt, std::nullopt,
                     std::nullopt});
    // The indexed search's target is the straightforward time divided by the wanted ratio.
    MetingAfdrukken({std::string("indexed search, ") + m.naam, grootte, tSnel,
                     doel > 0 ? std::optional<double>(tEenvoudig / doel) : std::nullopt, std::nullopt, std::nullopt});
    char verhouding[96];
    std::snprintf(verhouding, sizeof verhouding, "ratio straightforward / indexed: %.1f%s", tEenvoudig / tSnel,
                  doel > 0 ? " (target: at least 30)" : "");
    OpmerkingAfdrukken(verhouding);
    OpmerkingAfdrukken(gelijk ? "match files identical" : "match files DIFFERENT");
  }
  PiekgeheugenAfdrukken();
}

}  // namespace morvask::bench
