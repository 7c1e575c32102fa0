#pragma once
// Hand-written match files for the comparison report tests, laid out line for line as the
// matching run writes them.

#include <string>
#include <vector>

namespace morvask::test {

inline const std::string ss = "\xDF";  // "ß" between the parts of a route line
inline const std::string ei = "\xCD";  // "Í" at the end of a route line

// A route line from its posts and sightings ("0815 a 12ABC3").
inline std::string Route(const std::vector<std::string>& posten, const std::vector<std::string>& waarnemingen) {
  std::string r;
  for (const auto& p : posten) r += p + " ";
  for (const auto& w : waarnemingen) r += ss + w;
  return r + ss + ei;
}

// A sighting: time, type and plate padded to six.
inline std::string Waarneming(const std::string& tijd, char type, std::string kenteken) {
  kenteken.resize(6, ' ');
  return tijd + " " + type + " " + kenteken;
}

// A match-check pair line.
inline std::string Paar(const std::string& van, const std::string& vanTijd, char vanType, const std::string& naar,
                        const std::string& naarTijd, char naarType, int minuten, const std::string& opmerking = "-",
                        const std::string& kenteken = "12ABC3") {
  std::string m = std::to_string(minuten);
  m.insert(0, 4 - m.size(), ' ');
  return van + " " + Waarneming(vanTijd, vanType, kenteken) + "  ->  " + naar + " " +
         Waarneming(naarTijd, naarType, kenteken) + "   :  " + m + " min   " + opmerking;
}

struct MatchInhoud {
  std::string omschrijving = "Test";
  int registraties = 0;
  int posten = 0;
  std::string som = "0";
  std::vector<std::string> algemeen = {"MiTimeFrom=0700",        "MiTimeUntil=0900",      "MiCorrectionPreAftPeriod=1",
                                       "MiNumberChar=6",         "MiNoCaseDifference=1",  "MiIterative=1",
                                       "MiWithWildcards=1",      "MiNumberChangedChar=2", "MiNumberDifferentChar=1",
                                       "MiWithMissedLicenses=1", "MiNoInsidePosts=0",     "MiCheckBlockFirstPost=1",
                                       "MiInterruptByUser=0"};
  std::vector<std::string> routes;
  std::vector<std::string> controle = {"Iteration 1: TheSameLicenseNumbers", ""};
  std::vector<std::string> nietRoutes;

  // The whole file, CR LF line ends.
  std::string Tekst() const {
    std::vector<std::string> r = {"[Morvask matchfile]",
                                  "",
                                  "[**General information**]",
                                  "FileVersion=330",
                                  "FileDescription=" + omschrijving,
                                  "ProjectNumberOfRegistrations=" + std::to_string(registraties),
                                  "ProjectNumberOfPosts=" + std::to_string(posten),
                                  "ProjectTravelTimesSum=" + som};
    r.insert(r.end(), algemeen.begin(), algemeen.end());
    r.push_back("");
    r.push_back("[**Routes**]");
    r.insert(r.end(), routes.begin(), routes.end());
    r.push_back("");
    r.push_back("[**Match check**]");
    r.insert(r.end(), controle.begin(), controle.end());
    r.push_back("");
    r.push_back("[**Non-routes**]");
    r.insert(r.end(), nietRoutes.begin(), nietRoutes.end());
    r.push_back("");
    r.push_back("");
    r.push_back("[**End**]");
    std::string t;
    for (const auto& l : r) t += l + "\r\n";
    return t;
  }
};

}  // namespace morvask::test
