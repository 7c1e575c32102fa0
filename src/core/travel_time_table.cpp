#include "core/travel_time_table.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/text_utils.h"

namespace morvask {

std::string PostcodeVeld(std::string_view code) {
  std::string uit(code.substr(0, 6));
  uit.resize(6, ' ');
  return uit;
}

namespace {

// The key of a pair: the texts of positions 1-6 and 8-13. A line end never occurs inside a
// line, so it separates the two parts unambiguously.
std::string PaarSleutel(std::string_view van, std::string_view naar) {
  std::string s(van);
  s += '\n';
  s += naar;
  return s;
}

struct Waarden {
  std::string maximum, minimum;
};

}  // namespace

bool IsHerkomstpost(std::string_view postcode) {
  if (postcode.size() < 6) return false;
  const char c = postcode[5];
  return c == 'i' || c == '1' || c == '2';
}

bool IsBestemmingspost(std::string_view postcode) {
  if (postcode.size() < 6) return false;
  const char c = postcode[5];
  return c == 'u' || c == '1' || c == '2';
}

std::string DoorrijtijdRegel(std::string_view van, std::string_view naar, std::string_view maximum,
                             std::string_view minimum) {
  std::string r = PostcodeVeld(van);
  r += ' ';
  r += PostcodeVeld(naar);
  r += ' ';
  r += TekstUitlijnen("L", maximum, " ", 4);
  r += ' ';
  r += TekstUitlijnen("L", minimum, " ", 4);
  return r;
}

void PostlijstSorteren(Project& project) {
  // The sort text of a post is its code padded to six, a space and its description, in
  // capitals; the padding keeps a short code from moving its description.
  struct Item {
    std::string sleutel;
    std::size_t index;
  };
  std::vector<Item> items;
  items.reserve(project.Postlijst.size());
  for (std::size_t i = 0; i < project.Postlijst.size(); ++i) {
    const RWaarnemingspost& p = project.Postlijst[i];
    items.push_back({InGroteLetters(PostcodeVeld(p.Postcode.view()) + " " + p.Omschrijving.str()), i});
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.sleutel < b.sleutel; });
  std::vector<RWaarnemingspost> nieuw;
  nieuw.reserve(items.size());
  for (const Item& it : items) {
    RWaarnemingspost p;
    p.Postcode = project.Postlijst[it.index].Postcode;
    p.Omschrijving = project.Postlijst[it.index].Omschrijving;
    p.Geselecteerd = true;
    nieuw.push_back(p);
  }
  project.Postlijst = std::move(nieuw);
}

namespace {

// True when a field of a table line is already as DoorrijtijdRegel writes it: its text
// left-aligned and padded with spaces.
bool VeldUitgelijnd(std::string_view veld) {
  const std::string tekst = Bijsnijden(veld);
  if (veld.substr(0, tekst.size()) != tekst) return false;
  for (char c : veld.substr(tekst.size()))
    if (c != ' ') return false;
  return true;
}

// True when the line is the pair's line exactly as the rebuild would write it.
bool RegelAlsGeschreven(std::string_view regel) {
  return regel.size() == 23 && regel[6] == ' ' && regel[13] == ' ' && regel[18] == ' ' &&
         VeldUitgelijnd(regel.substr(14, 4)) && VeldUitgelijnd(regel.substr(19, 4));
}

}  // namespace

void DoorrijtijdentabelBijwerken(Project& project) {
  PostlijstSorteren(project);
  std::vector<std::string>& oudeTabel = project.Doorrijtijdentabel;

  std::vector<const RWaarnemingspost*> bestemmingen;
  std::size_t herkomsten = 0;
  for (const RWaarnemingspost& p : project.Postlijst) {
    if (IsBestemmingspost(p.Postcode.view())) bestemmingen.push_back(&p);
    if (IsHerkomstpost(p.Postcode.view())) ++herkomsten;
  }

  // The table as read from a file that the program wrote holds the pairs in the very order of
  // the rebuild: its lines are taken over as they stand, one after the other, without a
  // lookup. From the first line out of that order on, the rest of the old table is looked up
  // by pair (the first line of a pair counts; the lines taken before belong to pairs that are
  // done).
  std::unordered_map<std::string, Waarden> oud;
  bool opVolgorde = true;
  std::size_t volgende = 0;
  const auto opzoeken = [&](const std::string& van, const std::string& naar) -> const Waarden* {
    if (opVolgorde) {
      opVolgorde = false;
      oud.reserve(oudeTabel.size() - volgende);
      for (std::size_t i = volgende; i < oudeTabel.size(); ++i) {
        const std::string& regel = oudeTabel[i];
        Waarden w;
        w.maximum = Bijsnijden(Deel(regel, 15, 4));
        w.minimum = regel.size() < 20 ? std::string("0") : Bijsnijden(Deel(regel, 20, 4));
        // emplace keeps the first line of a pair.
        oud.emplace(PaarSleutel(Deel(regel, 1, 6), Deel(regel, 8, 6)), std::move(w));
      }
    }
    const auto gevonden = oud.find(PaarSleutel(van, naar));
    return gevonden == oud.end() ? nullptr : &gevonden->second;
  };

  const std::string standaardMaximum = std::to_string(project.Gegevens.Waarnemingsinterval);
  std::vector<std::string> nieuw;
  nieuw.reserve(herkomsten * bestemmingen.size());
  for (const RWaarnemingspost& van : project.Postlijst) {
    if (!IsHerkomstpost(van.Postcode.view())) continue;
    const std::string vanZes = PostcodeVeld(van.Postcode.view());
    for (const RWaarnemingspost* naar : bestemmingen) {
      if (naar->Postcode == van.Postcode) continue;
      const std::string naarZes = PostcodeVeld(naar->Postcode.view());
      if (opVolgorde && volgende < oudeTabel.size()) {
        std::string& regel = oudeTabel[volgende];
        if (Deel(regel, 1, 6) == vanZes && Deel(regel, 8, 6) == naarZes) {
          ++volgende;
          if (RegelAlsGeschreven(regel))
            nieuw.push_back(std::move(regel));
          else
            nieuw.push_back(DoorrijtijdRegel(vanZes, naarZes, Bijsnijden(Deel(regel, 15, 4)),
                                             regel.size() < 20 ? std::string("0") : Bijsnijden(Deel(regel, 20, 4))));
          continue;
        }
      }
      if (const Waarden* w = opzoeken(vanZes, naarZes))
        nieuw.push_back(DoorrijtijdRegel(vanZes, naarZes, w->maximum, w->minimum));
      else
        nieuw.push_back(DoorrijtijdRegel(vanZes, naarZes, standaardMaximum, "0"));
    }
  }
  project.Doorrijtijdentabel = std::move(nieuw);
}

}  // namespace morvask
