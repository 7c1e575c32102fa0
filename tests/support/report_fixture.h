#pragma once
// A project context for report tests: empty project texts, so the header is the rule, the
// title line, the rule and an empty line, and "=" as the rule character, so the expected
// lines are easy to read.

#include <string>
#include <vector>

#include "core/project_test_support.h"

namespace morvask::test {

struct RapportProject : ProjectOmgeving {
  RapportProject() {
    project.Gegevens.ProjectRapporttekst1.clear();
    project.Gegevens.ProjectRapporttekst2.clear();
    project.Gegevens.Projectomschrijving.clear();
    instellingen.EenHorzTeken = "=";
  }

  static std::string Lijn(std::size_t n) { return std::string(n, '='); }
  static std::vector<std::string> Kop() { return {Lijn(11), "Morvask 4.4", Lijn(11), ""}; }
  static std::vector<std::string> Legenda() {
    return {"xxx-ki\t: Kordon ingaand", "xxx-ku\t: Kordon uitgaand", "xxx-t1\t: Tussenpost rijrichting 1",
            "xxx-t2\t: Tussenpost rijrichting 2"};
  }
};

// The lines joined into one list.
inline std::vector<std::string> Samen(std::initializer_list<std::vector<std::string>> delen) {
  std::vector<std::string> uit;
  for (const auto& d : delen) uit.insert(uit.end(), d.begin(), d.end());
  return uit;
}

}  // namespace morvask::test
