#include "analysis/comparison_report.h"

#include <new>

#include "analysis/comparison_settings_text.h"
#include "analysis/od_matrix_report.h"
#include "analysis/travel_time_overview_report.h"
#include "base/context.h"
#include "base/messages.h"
#include "core/files.h"
#include "core/project.h"
#include "core/registration_list.h"

namespace morvask {

bool MatchbestandHoortBijProject(const RMatchbestand& bestand, const Project& project) {
  if (bestand.ProjectNumberOfRegistrations != AantalRegistraties(project)) return false;
  if (bestand.ProjectNumberOfPosts != AantalPosten(project)) return false;
  return bestand.ProjectTravelTimesSum.empty() || SomDoorrijtijden(project) == bestand.ProjectTravelTimesSum;
}

Rapport VergelijkingsrapportUitBestand(RapportBuffer& buffer, const Context& ctx, const RMatchbestand& bestand,
                                       const RVergelijkingsrapportOpties& opties) {
  RVergelijkingsgegevens g;
  g.Instellingen = bestand.Instellingen;
  g.Keuze = opties.Voertuigtypen;
  // Each report reads only the lists it shows; the others would be filled and left unused.
  using T = Vergelijkingsrapporttype;
  if (opties.Type == T::Overzicht || opties.Type == T::Doorrijtijden)
    g.Lijsten.Vergelijkingscontrole = VergelijkingscontroleStringListVullen(bestand, g.Keuze, ctx.catalogus);
  if (opties.Type == T::DHB || opties.Type == T::Routes) g.Lijsten.Routes = RoutesStringListVullen(bestand, g.Keuze);
  if (opties.Type == T::DHB || opties.Type == T::NietRoutes)
    g.Lijsten.NietRoutes = NonRoutesStringListVullen(bestand, g.Keuze);

  switch (opties.Type) {
    case T::DHB:
      return RapportDHBmatrix(buffer, ctx, g, opties.Routematrix);
    case T::Doorrijtijden:
      return RapportDoorrijtijdenMatrix(buffer, ctx, g, opties.DoorrijtijdenDetaillijst);
    case T::Routes:
      return RapportRoutes(buffer, ctx, g, opties.Routes);
    case T::NietRoutes:
      return RapportNietRoutes(buffer, ctx, g, opties.NietRoutesDetaillijst);
    case T::Overzicht:
      break;
  }
  return RapportVergelijkingsoverzicht(buffer, ctx, g);
}

std::optional<Rapport> VergelijkingsrapportMaken(RapportBuffer& buffer, const Context& ctx,
                                                 std::string_view bestandsnaam,
                                                 const RVergelijkingsrapportOpties& opties) {
  const Catalogus& cat = ctx.catalogus;
  if (!BestandBestaat(bestandsnaam)) {
    ToonFout(ctx.ui, cat, cat.Vul("AA00100", {PadVoorWeergave(bestandsnaam)}));
    return std::nullopt;
  }
  std::optional<RMatchbestand> bestand;
  try {
    bestand = MatchbestandLezen(bestandsnaam);
  } catch (const std::bad_alloc&) {
    ToonFout(ctx.ui, cat, cat.Vul("AB00008", {PadVoorWeergave(bestandsnaam)}));
    return std::nullopt;
  }
  if (!bestand) {
    ToonFout(ctx.ui, cat, cat.Vul("AA00035", {PadVoorWeergave(bestandsnaam)}));
    return std::nullopt;
  }
  if (!bestand->Volledig) {
    ToonFout(ctx.ui, cat, cat.Vul("AB00003", {PadVoorWeergave(bestandsnaam)}));
    return std::nullopt;
  }
  if (!MatchbestandHoortBijProject(*bestand, ctx.project) &&
      !VraagBevestiging(ctx.ui, cat, "", cat["AA00101"], "ZB00021", "ZB00022"))
    return std::nullopt;
  return VergelijkingsrapportUitBestand(buffer, ctx, *bestand, opties);
}

}  // namespace morvask
