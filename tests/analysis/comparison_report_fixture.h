#pragma once
// A project with five posts and the settings the comparison report tests use: the rule
// character "=" so expected lines are readable, no explanations, no legend in the footer.

#include <string>
#include <vector>

#include "analysis/comparison_report.h"
#include "analysis/comparison_settings_text.h"
#include "base/context.h"
#include "core/project.h"
#include "core/settings.h"
#include "match_file_fixture.h"
#include "reports/report.h"
#include "support/fake_ui.h"

namespace morvask::test {

struct RapportOmgeving {
  Project project;
  RProgrammaInstellingen instellingen;
  Catalogus catalogus;
  NepUi ui;
  Context ctx{project, instellingen, catalogus, ui, Mappen{}};
  RapportBuffer buffer;

  explicit RapportOmgeving(const std::vector<std::string>& posten = {"001-ki", "001-ku", "002-ki", "002-ku",
                                                                     "003-t1"}) {
    project.NieuwProject(catalogus, "Naamloos", "01-01-2024");
    project.Gegevens.ProjectRapporttekst1.clear();
    project.Gegevens.ProjectRapporttekst2.clear();
    project.Gegevens.Projectomschrijving.clear();
    for (const auto& p : posten) project.PostToevoegen(p, "Post " + p);
    instellingen.EenHorzTeken = "=";
    instellingen.RapportInformatieOverInhoudWeergeven = false;
    instellingen.RapportAfkortingOmschrijvingWeergeven = false;
    instellingen.RapportOmschrijvingWaarnemingsposten = false;
  }

  Rapport Maak(const MatchInhoud& inhoud, const RVergelijkingsrapportOpties& opties) {
    return VergelijkingsrapportUitBestand(buffer, ctx, MatchbestandUitTekst(inhoud.Tekst()), opties);
  }
};

// The header with empty project texts and the rule "=".
inline std::vector<std::string> Koptekst() { return {"===========", "Morvask 4.4", "===========", ""}; }

// The settings block of MatchInhoud's default settings with all vehicle types and the
// at-least-one rule.
inline std::vector<std::string> StandaardInstellingenblok() {
  return {"- Periode: 0700 uur tot 0900 uur.",
          "- Toepassing correctie onderwaardering doorgaand verkeer bij voor- en/of naloopperiode.",
          "- Kentekens vergeleken op 6 karakters.",
          "- Geen verschil tussen grote en kleine karakters.",
          "- Vergelijking volgens iteratief proces.",
          "- Vergeleken met gemiste karakters (wildcards).",
          "- Kentekens zijn gelijk als ten hoogste 2 naast elkaar staande karakters verwisseld zijn.",
          "- Kentekens zijn gelijk als ten hoogste 1 karakter(s) verschillend is (zijn).",
          "- Gemiste kentekens toegevoegd bij herkomst- en bestemmingsverkeer.",
          "- Voertuigtype(n): alle voertuigen.",
          "- Bij de vergelijking van 2 registraties (of meer, als de route uit meer dan 2 registraties bestaat)",
          "  dient minimaal 1 registratie van het (de) geselecteerde voertuigtype(n) te zijn.",
          "- Tussenposten meegenomen bij vergelijking.",
          "- Gecontroleerd op blokkades met eerste waarnemingspost in route.",
          ""};
}

// Header, title line, empty line and the default settings block, followed by the body.
inline std::vector<std::string> Verwacht(const std::string& titelregel, const std::vector<std::string>& body) {
  std::vector<std::string> r = Koptekst();
  r.push_back(titelregel);
  r.push_back("");
  for (const auto& l : StandaardInstellingenblok()) r.push_back(l);
  r.insert(r.end(), body.begin(), body.end());
  return r;
}

inline std::string Sep(std::size_t n) { return std::string(n, '='); }

}  // namespace morvask::test
