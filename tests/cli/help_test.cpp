// What morvask-cli says of itself: every command's help names every option of the command
// contract with its meaning and default, no text shows an access-key mark, and the manual
// page is made from the same definitions.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/files.h"
#include "support/cli_run.h"

using namespace morvask;
using namespace morvask::test;

namespace {

using Namen = std::vector<std::string>;

const Namen kAlgemeen = {"settings", "language", "quiet", "help", "version"};
const Namen kRapport = {"output", "format"};

// The commands and their own options as the command contract lists them.
const std::map<std::string, Namen>& Contract() {
  static const std::map<std::string, Namen> contract = {
      {"posts", {}},
      {"vehicle-types", {}},
      {"travel-times", {}},
      {"notes", {}},
      {"info", {}},
      {"check", {"more-than", "less-than"}},
      {"intensities",
       {"from", "until", "interval", "preset", "types", "without-missed", "selection", "no-missed-plates",
        "no-missed-chars", "posts"}},
      {"match",
       {"output", "description", "from", "until", "no-correction", "no-inside-posts", "no-block-check", "no-wildcards",
        "swapped", "different", "case-sensitive", "no-missed", "positions", "not-iterative", "force"}},
      {"report",
       {"project", "type", "types", "majority", "routematrix", "detail", "routes", "posts", "sort", "descending",
        "force"}},
      {"import-csv", {"separator", "quote", "save-as", "force"}},
      {"import-project", {"save-as", "force"}},
      {"shift-times", {"post", "minutes", "save-as", "force"}},
      {"sort", {"order", "save-as", "force"}},
  };
  return contract;
}

bool IsRapport(const std::string& opdracht) {
  return opdracht != "match" && opdracht != "import-csv" && opdracht != "import-project" && opdracht != "shift-times" &&
         opdracht != "sort";
}

// The block of the help that describes an option: its line ("  --name ..." or "  -o FILE,
// --name ...") and the indented lines after it.
std::string Optieblok(const std::string& hulp, const std::string& naam) {
  std::size_t begin = std::string::npos;
  for (std::size_t p = 0; p < hulp.size(); p = hulp.find('\n', p) + 1) {
    const std::string regel = hulp.substr(p, hulp.find('\n', p) - p);
    const std::size_t lang = regel.find("--" + naam);
    const bool kop = regel.starts_with("  -") && lang != std::string::npos &&
                     (lang == 2 || regel.substr(0, lang).find(", ") != std::string::npos) &&
                     (lang + 2 + naam.size() == regel.size() || regel[lang + 2 + naam.size()] == ' ');
    if (kop) {
      begin = p;
      break;
    }
    if (hulp.find('\n', p) == std::string::npos) break;
  }
  if (begin == std::string::npos) return "";
  std::size_t eind = hulp.find('\n', begin) + 1;
  while (eind < hulp.size() && hulp.compare(eind, 4, "    ") == 0) eind = hulp.find('\n', eind) + 1;
  return hulp.substr(begin, eind - begin);
}

}  // namespace

TEST(CliHulp, EveryCommandsHelpDescribesEveryOptionOfTheContract) {
  for (const auto& [opdracht, eigen] : Contract()) {
    const auto u = CliUitvoeren({opdracht, "--help"});
    EXPECT_EQ(u.status, 0) << opdracht;
    EXPECT_EQ(u.fout, "");
    EXPECT_TRUE(u.uit.starts_with("usage: morvask-cli " + opdracht + " ")) << u.uit;
    Namen alle = eigen;
    alle.insert(alle.end(), kAlgemeen.begin(), kAlgemeen.end());
    if (IsRapport(opdracht)) alle.insert(alle.end(), kRapport.begin(), kRapport.end());
    for (const std::string& naam : alle) {
      const std::string blok = Optieblok(u.uit, naam);
      // The option's line and at least a few words of meaning.
      EXPECT_GT(blok.size(), naam.size() + 30) << opdracht << " --" << naam << "\n" << u.uit;
    }
    // A changing command takes no -o or --format, and its help does not offer them.
    if (!IsRapport(opdracht) && opdracht != "match") {
      EXPECT_EQ(Optieblok(u.uit, "output"), "") << opdracht;
    }
    if (!IsRapport(opdracht)) {
      EXPECT_EQ(Optieblok(u.uit, "format"), "") << opdracht;
    }
  }
  // The general help lists every command and the options of every command.
  const auto algemeen = CliUitvoeren({"--help"});
  EXPECT_EQ(algemeen.status, 0);
  for (const auto& [opdracht, eigen] : Contract())
    EXPECT_NE(algemeen.uit.find("\n  " + opdracht + " "), std::string::npos) << opdracht;
  for (const std::string& naam : kAlgemeen) EXPECT_NE(Optieblok(algemeen.uit, naam), "") << naam;
}

TEST(CliHulp, DefaultsAreTheContractsDefaults) {
  struct Geval {
    std::string opdracht, optie, standaard;
  };
  const std::vector<Geval> gevallen = {
      {"intensities", "interval", "default: the settings' IntensiteitenInterval"},
      {"intensities", "from", "default: the earliest registration time"},
      {"intensities", "types", "default: all eight"},
      {"intensities", "selection", "default: 1"},
      {"intensities", "posts", "default: all posts"},
      {"intensities", "format", "default: txt"},
      {"intensities", "settings", "default: the user's settings file"},
      {"match", "output", "default: the project's file name with .mma"},
      {"match", "swapped", "default: 0"},
      {"match", "positions", "default: 1,2,3,4,5,6"},
      {"match", "no-correction", "default: on"},
      {"report", "type", "default: overview"},
      {"report", "sort", "default: post"},
      {"check", "more-than", "default: more than 6"},
      {"import-csv", "separator", "default: ;"},
      {"import-csv", "quote", "default: the double quote"},
  };
  for (const Geval& g : gevallen) {
    const std::string blok = Optieblok(CliUitvoeren({g.opdracht, "--help"}).uit, g.optie);
    // The default may wrap; compare with the blanks of the wrapping folded.
    std::string gevouwen;
    for (std::size_t i = 0; i < blok.size(); ++i)
      if (!(blok[i] == ' ' && !gevouwen.empty() && (gevouwen.back() == ' ' || gevouwen.back() == '\n')))
        gevouwen += blok[i] == '\n' ? ' ' : blok[i];
    EXPECT_NE(gevouwen.find(g.standaard), std::string::npos) << g.opdracht << " --" << g.optie << ": " << blok;
  }
}

TEST(CliHulp, NoTextShowsAnAccessKeyMark) {
  std::vector<std::string> teksten = {CliUitvoeren({"--help"}).uit, CliUitvoeren({"--man"}).uit};
  for (const auto& [opdracht, eigen] : Contract()) teksten.push_back(CliUitvoeren({opdracht, "--help"}).uit);
  for (const std::string& t : teksten) {
    EXPECT_GT(t.size(), 200u);
    EXPECT_EQ(t.find('&'), std::string::npos) << t.substr(0, 60);
  }
}

TEST(CliHulp, TheManualPageIsMadeFromTheHelpAndNamesEveryOption) {
  const auto u = CliUitvoeren({"--man"});
  ASSERT_EQ(u.status, 0);
  // The page in the source tree is the one the program makes (regenerate it with the build
  // target morvask-cli-man).
  EXPECT_EQ(BestandLezen(std::string(MORVASK_SOURCE_DIR) + "/man/morvask-cli.1").value_or(""), u.uit);
  EXPECT_TRUE(u.uit.starts_with(".TH MORVASK-CLI 1 "));
  const auto roff = [](const std::string& tekst) {
    std::string uit;
    for (const char c : tekst) uit += c == '-' ? std::string("\\-") : std::string(1, c);
    return uit;
  };
  for (const auto& [opdracht, eigen] : Contract()) {
    // The command's section, up to the next one.
    const std::size_t begin = u.uit.find("\n.SS " + roff(opdracht) + " ");
    ASSERT_NE(begin, std::string::npos) << opdracht;
    const std::string sectie = u.uit.substr(begin, u.uit.find("\n.S", begin + 1) - begin);
    for (const std::string& naam : eigen)
      EXPECT_NE(sectie.find("\\fB" + roff("--" + naam) + "\\fR"), std::string::npos) << opdracht << " --" << naam;
  }
  for (const std::string naam : {"settings", "language", "quiet", "help", "version", "output", "format"})
    EXPECT_NE(u.uit.find("\\fB" + roff("--" + naam) + "\\fR"), std::string::npos) << naam;
}
