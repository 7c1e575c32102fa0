#pragma once
// The sections of the benchmark, each a function in its own file, and what they share: the
// options, the work folder, the generated surveys and the settings every operation runs with.

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "base/catalogue.h"
#include "core/settings.h"
#include "survey/silent_ui.h"
#include "survey/survey_generator.h"

namespace morvask::bench {

class Benchmark {
 public:
  Benchmark(bool snel, std::string werkmap, std::string cli);

  bool Snel() const { return snel_; }
  // The folder for the files the sections write, with a trailing separator.
  const std::string& Werkmap() const { return werkmap_; }
  // The morvask-cli program that the comparison section runs.
  const std::string& Cli() const { return cli_; }

  // A size of the full run; the quick run divides it.
  int Grootte(int volledig) const { return snel_ ? std::max(1, volledig / 20) : volledig; }

  // A synthetic survey over the whole day (0000-2359) with about this many registrations and
  // 2 posts per cordon point and per intermediate point. Made once per size and printed as a
  // measurement of its own; the sections that change it work on a copy.
  const Onderzoek& Dagonderzoek(int registraties, int kordonpunten, int tussenpunten);

  // The settings of the operations: the defaults, with the backups kept in the work folder,
  // so a benchmark never touches the user's own backup files.
  RProgrammaInstellingen Instellingen() const;

  Catalogus catalogus;
  StilleUi ui;

 private:
  bool snel_;
  std::string werkmap_;
  std::string cli_;
  std::map<std::tuple<int, int, int>, std::unique_ptr<Onderzoek>> onderzoeken_;
};

// The survey of the list sections: 1,000,000 registrations at 100 posts.
const Onderzoek& Onderzoek100Posten(Benchmark& b);

// ProjectSchrijven (a new file, and over the file with the backup rotation) and ProjectLezen.
void ProjectbestandSectie(Benchmark& b);
// RegistratiesSorteren with each of its six order codes.
void SorteerSectie(Benchmark& b);
// The registration file check.
void ControleSectie(Benchmark& b);
// The intensities report: every post, 15-minute intervals over the whole day.
void IntensiteitenSectie(Benchmark& b);
// The matching run with the straightforward and the indexed search on one survey.
void MatchrunSectie(Benchmark& b);
// morvask-cli match as a child process, then the routes, non-routes and DHB reports from its
// match file.
void VergelijkingsrapportenSectie(Benchmark& b);

}  // namespace morvask::bench
