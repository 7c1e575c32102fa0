#include "analysis/match_file_writer.h"

#include "analysis/match_settings.h"
#include "core/files.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

std::string Vlag(std::string_view sleutel, bool aan) { return std::string(sleutel) + (aan ? "1" : "0"); }

std::string Opgevuld(std::string_view veld, std::size_t breedte) {
  std::string uit(veld.substr(0, breedte));
  uit.resize(breedte, ' ');
  return uit;
}

// "post time type plate" with every field at its width.
std::string Punt(const RRegistratie& r) { return Opgevuld(r.Post, 6) + ' ' + Waarneming(r); }

}  // namespace

std::vector<std::string> MatchbestandKopregels(std::string_view omschrijving, const RMatchProjectgegevens& p) {
  return {MatchbestandTitel,
          "",
          "[**General information**]",
          std::string("FileVersion=") + MatchbestandVersie,
          "FileDescription=" + std::string(omschrijving),
          "ProjectNumberOfRegistrations=" + std::to_string(p.AantalRegistraties),
          "ProjectNumberOfPosts=" + std::to_string(p.AantalPosten),
          "ProjectTravelTimesSum=" + p.DoorrijtijdenSom};
}

std::vector<std::string> MatchbestandInstellingregels(const RMatchInstellingen& in, bool onderbroken) {
  return {"MiTimeFrom=" + in.Vanaf,
          "MiTimeUntil=" + in.Tot,
          Vlag("MiCorrectionPreAftPeriod=", in.PeriodeCorrectie),
          "MiNumberChar=" + std::to_string(in.AantalKarakters),
          Vlag("MiNoCaseDifference=", in.GeenHoofdletterverschil),
          Vlag("MiIterative=", in.Iteratief),
          Vlag("MiWithWildcards=", in.MetWildcards),
          "MiNumberChangedChar=" + std::to_string(in.AantalVerwisseld),
          "MiNumberDifferentChar=" + std::to_string(in.AantalVerschillend),
          Vlag("MiWithMissedLicenses=", in.GemisteKentekensToevoegen),
          Vlag("MiNoInsidePosts=", in.TussenpostenNegeren),
          Vlag("MiCheckBlockFirstPost=", in.BlokkadesControleren),
          Vlag("MiInterruptByUser=", onderbroken)};
}

std::string Waarneming(const RRegistratie& r) {
  return Opgevuld(r.Tijd, 4) + ' ' + Opgevuld(r.Voertuigtype, 1) + ' ' + Opgevuld(r.Kenteken, 6);
}

std::string RouteRegel(const std::vector<RRegistratie>& punten) {
  std::string regel;
  for (const RRegistratie& p : punten) regel += Opgevuld(p.Post, 6) + ' ';
  regel += RouteScheiding;
  for (const RRegistratie& p : punten) regel += Waarneming(p) + RouteScheiding;
  regel += RouteEinde;
  return regel;
}

std::string MatchcontroleRegel(const RRegistratie& eind, const RRegistratie& volgende, int minuten,
                               std::string_view eenheid, std::string_view opmerking) {
  return Punt(eind) + "  ->  " + Punt(volgende) + "   :  " + TekstUitlijnen("R", std::to_string(minuten), " ", 4) +
         std::string(eenheid) + (opmerking.empty() ? std::string("-") : std::string(opmerking));
}

std::string IteratieKop(int nummer, Iteratiesoort soort) {
  const char* naam = "";
  switch (soort) {
    case Iteratiesoort::Exact: naam = ": TheSameLicenseNumbers"; break;
    case Iteratiesoort::Wildcards: naam = ": WithWildcards)"; break;
    case Iteratiesoort::Verwisseld: naam = ": ChangedCharacters"; break;
    case Iteratiesoort::Verschillend: naam = ": DifferentCharacters"; break;
  }
  return "Iteration " + std::to_string(nummer) + naam;
}

std::string NietRouteRegel(const RRegistratie& r) { return r.Regel(); }

std::vector<std::string> MatchbestandRegels(const RMatchInstellingen& in, const RMatchProjectgegevens& project,
                                            const RMatchResultaat& resultaat) {
  std::vector<std::string> regels = MatchbestandKopregels(in.Omschrijving, project);
  const auto toevoegen = [&regels](const std::vector<std::string>& deel) {
    regels.insert(regels.end(), deel.begin(), deel.end());
  };
  toevoegen(MatchbestandInstellingregels(in, resultaat.Onderbroken));
  regels.emplace_back();
  regels.emplace_back("[**Routes**]");
  toevoegen(resultaat.Routes);
  regels.emplace_back();
  regels.emplace_back("[**Match check**]");
  toevoegen(resultaat.Matchcontrole);
  regels.emplace_back();
  regels.emplace_back("[**Non-routes**]");
  toevoegen(resultaat.NietRoutes);
  regels.emplace_back();
  regels.emplace_back();
  regels.emplace_back("[**End**]");
  return regels;
}

bool MatchbestandSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels) {
  return RegelsAtomischSchrijven(bestandsnaam, regels);
}

}  // namespace morvask
