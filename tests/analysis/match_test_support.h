#pragma once
// A small survey for the matching-run tests: posts, travel times and registrations set up in
// a few lines, the run with the comparison window's settings, and the match file's sections.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/match_settings.h"
#include "analysis/matching_run.h"
#include "core/files.h"
#include "core/project_test_support.h"
#include "core/travel_time_table.h"

namespace morvask::test {

struct MatchOmgeving : ProjectOmgeving {
  RMatchInstellingen in;

  MatchOmgeving() {
    instellingen.MatchOpschoonWaarde = 2000;
    ui.catalogus = &catalogus;
    project.Projectbestandsnaam = map / "onderzoek";
  }

  // The posts, in any order; every pair gets the observation interval as maximum.
  void Posten(const std::vector<std::string>& codes) {
    for (const auto& c : codes) project.PostToevoegen(c, "");
    DoorrijtijdentabelBijwerken(project);
  }
  // Sets the maximum and minimum of one pair.
  void Doorrijtijd(const std::string& van, const std::string& naar, int maximum, int minimum) {
    for (std::string& regel : project.Doorrijtijdentabel)
      if (regel.substr(0, 13) == van + " " + naar)
        regel = DoorrijtijdRegel(van, naar, std::to_string(maximum), std::to_string(minimum));
  }
  // Registration lines "001-ki 0800 a AB12CD".
  void Registraties(const std::vector<std::string>& regels) {
    for (const auto& r : regels) project.Registratielijst.push_back(RRegistratie::UitRegel(r));
  }

  // The window as it opens (the from field empty: "&Maximale tijden"), then the caller's
  // settings; the run. True when the file was written.
  bool Uitvoeren() {
    if (in.Bestandsnaam.empty()) in.Bestandsnaam = map / "uitkomst.mma";
    MatchInstellingenVoorbereiden(in, project);
    return MatchUitvoeren(ctx, in);
  }

  std::vector<std::string> Regels() const { return RegelsSplitsen(BestandLezen(in.Bestandsnaam).value_or("")); }

  // The lines of a section: after its header up to the empty line(s) before the next header.
  std::vector<std::string> Sectie(const std::string& kop) const {
    const auto regels = Regels();
    std::vector<std::string> deel;
    bool binnen = false;
    for (const auto& r : regels) {
      if (r.rfind("[**", 0) == 0) {
        if (binnen) break;
        binnen = r == kop;
        continue;
      }
      if (binnen) deel.push_back(r);
    }
    while (!deel.empty() && deel.back().empty()) deel.pop_back();
    return deel;
  }
  std::vector<std::string> Routes() const { return Sectie("[**Routes**]"); }
  std::vector<std::string> Matchcontrole() const { return Sectie("[**Match check**]"); }
  std::vector<std::string> NietRoutes() const { return Sectie("[**Non-routes**]"); }

  // The value of a key line of the general information ("" when missing).
  std::string Waarde(const std::string& sleutel) const {
    for (const auto& r : Sectie("[**General information**]"))
      if (r.rfind(sleutel + "=", 0) == 0) return r.substr(sleutel.size() + 1);
    return "";
  }
};

// A route line from its posts and sightings, with the separators written out.
inline std::string Route(const std::vector<std::string>& posten, const std::vector<std::string>& waarnemingen) {
  std::string r;
  for (const auto& p : posten) r += p + " ";
  r += "\xDF";
  for (const auto& w : waarnemingen) r += w + "\xDF";
  return r + "\xCD";
}

}  // namespace morvask::test
