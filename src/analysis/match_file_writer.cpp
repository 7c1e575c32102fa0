#include "analysis/match_file_writer.h"

#include "analysis/match_settings.h"
#include "core/files.h"
#include "core/text_utils.h"

namespace morvask {

namespace {

std::string Vlag(std::string_view sleutel, bool aan) { return std::string(sleutel) + (aan ? "1" : "0"); }

// Appends the field cut or padded with spaces to its width.
void Opgevuld(std::string& uit, std::string_view veld, std::size_t breedte) {
  veld = veld.substr(0, breedte);
  uit.append(veld);
  uit.append(breedte - veld.size(), ' ');
}

void WaarnemingToevoegen(std::string& uit, const RRegistratie& r) {
  Opgevuld(uit, r.Tijd, 4);
  uit += ' ';
  Opgevuld(uit, r.Voertuigtype, 1);
  uit += ' ';
  Opgevuld(uit, r.Kenteken, 6);
}

// "post time type plate" with every field at its width.
void PuntToevoegen(std::string& uit, const RRegistratie& r) {
  Opgevuld(uit, r.Post, 6);
  uit += ' ';
  WaarnemingToevoegen(uit, r);
}

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
  std::string uit;
  uit.reserve(13);
  WaarnemingToevoegen(uit, r);
  return uit;
}

std::string RouteRegel(const std::vector<RRegistratie>& punten) {
  std::string regel;
  regel.reserve(punten.size() * 21 + 2);
  for (const RRegistratie& p : punten) {
    Opgevuld(regel, p.Post, 6);
    regel += ' ';
  }
  regel += RouteScheiding;
  for (const RRegistratie& p : punten) {
    WaarnemingToevoegen(regel, p);
    regel += RouteScheiding;
  }
  regel += RouteEinde;
  return regel;
}

std::string MatchcontroleRegel(const RRegistratie& eind, const RRegistratie& volgende, int minuten,
                               std::string_view eenheid, std::string_view opmerking) {
  std::string regel;
  regel.reserve(62 + eenheid.size() + opmerking.size());
  PuntToevoegen(regel, eind);
  regel += "  ->  ";
  PuntToevoegen(regel, volgende);
  regel += "   :  ";
  regel += TekstUitlijnen("R", std::to_string(minuten), " ", 4);
  regel += eenheid;
  regel += opmerking.empty() ? std::string_view("-") : opmerking;
  return regel;
}

std::string IteratieKop(int nummer, Iteratiesoort soort) {
  const char* naam = "";
  switch (soort) {
    case Iteratiesoort::Exact:
      naam = ": TheSameLicenseNumbers";
      break;
    case Iteratiesoort::Wildcards:
      naam = ": WithWildcards)";
      break;
    case Iteratiesoort::Verwisseld:
      naam = ": ChangedCharacters";
      break;
    case Iteratiesoort::Verschillend:
      naam = ": DifferentCharacters";
      break;
  }
  return "Iteration " + std::to_string(nummer) + naam;
}

std::string NietRouteRegel(const RRegistratie& r) { return r.Regel(); }

std::vector<std::string> MatchbestandRegels(const RMatchInstellingen& in, const RMatchProjectgegevens& project,
                                            RMatchResultaat resultaat) {
  std::vector<std::string> regels = MatchbestandKopregels(in.Omschrijving, project);
  regels.reserve(regels.size() + resultaat.Routes.size() + resultaat.Matchcontrole.size() +
                 resultaat.NietRoutes.size() + 30);
  const auto toevoegen = [&regels](std::vector<std::string>&& deel) {
    regels.insert(regels.end(), std::make_move_iterator(deel.begin()), std::make_move_iterator(deel.end()));
  };
  toevoegen(MatchbestandInstellingregels(in, resultaat.Onderbroken));
  regels.emplace_back();
  regels.emplace_back("[**Routes**]");
  toevoegen(std::move(resultaat.Routes));
  regels.emplace_back();
  regels.emplace_back("[**Match check**]");
  toevoegen(std::move(resultaat.Matchcontrole));
  regels.emplace_back();
  regels.emplace_back("[**Non-routes**]");
  toevoegen(std::move(resultaat.NietRoutes));
  regels.emplace_back();
  regels.emplace_back();
  regels.emplace_back("[**End**]");
  return regels;
}

bool MatchbestandSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels) {
  return RegelsAtomischSchrijven(bestandsnaam, regels);
}

}  // namespace morvask
