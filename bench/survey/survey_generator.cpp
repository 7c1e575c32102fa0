#include "survey/survey_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <unordered_map>
#include <unordered_set>

#include "base/catalogue.h"
#include "core/travel_time_table.h"

namespace morvask::bench {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Punt {
  int nummer;  // the point number of the post codes
  double x, y;
  bool kordon;
};

// "NNN-type": the point number in three digits (more when it has more).
std::string Code(int nummer, const char* type) {
  if (nummer < 0 || nummer > 999) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%03d-%s", nummer, type);
    return buf;
  }
  std::string code = {static_cast<char>('0' + nummer / 100), static_cast<char>('0' + nummer / 10 % 10),
                      static_cast<char>('0' + nummer % 10), '-'};
  code += type;
  return code;
}

// A minute of the day (0-1439) as the hhmm time of a registration.
std::string Tijdtekst(int minuut) {
  const int uur = minuut / 60, rest = minuut % 60;
  return {static_cast<char>('0' + uur / 10), static_cast<char>('0' + uur % 10), static_cast<char>('0' + rest / 10),
          static_cast<char>('0' + rest % 10)};
}

double Afstand(const Punt& a, const Punt& b) { return std::hypot(a.x - b.x, a.y - b.y); }

class Generator {
 public:
  explicit Generator(const OnderzoekInstellingen& s) : s_(s), rng_(s.zaad) {}

  Onderzoek Maken() {
    Onderzoek o;
    Catalogus cat;
    o.project.NieuwProject(cat, "onderzoek", "01-01-2026");
    o.project.Gegevens.Waarnemingsinterval = s_.waarnemingsinterval;
    o.project.Gegevens.Projectomschrijving = "Synthetisch kentekenonderzoek";
    PuntenPlaatsen(o.project);
    TabelVullen(o.project);
    VoertuigenRijden(o);
    RegistratiesOrdenen(o.project);
    return o;
  }

 private:
  double Kans() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
  int Getal(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(rng_); }

  void PuntenPlaatsen(Project& p) {
    int nummer = 1;
    for (int i = 0; i < s_.kordonpunten; ++i) {
      const double hoek = 2 * kPi * (i + 0.3 * Kans()) / std::max(1, s_.kordonpunten);
      punten_.push_back({nummer++, s_.straal * std::cos(hoek), s_.straal * std::sin(hoek), true});
    }
    for (int i = 0; i < s_.tussenpunten; ++i) {
      const double r = s_.straal * 0.6 * std::sqrt(Kans());
      const double hoek = 2 * kPi * Kans();
      punten_.push_back({nummer++, r * std::cos(hoek), r * std::sin(hoek), false});
    }
    for (const Punt& pt : punten_) {
      if (pt.kordon) {
        p.PostToevoegen(Code(pt.nummer, "ki"), "Kordonpunt " + std::to_string(pt.nummer) + " inkomend");
        p.PostToevoegen(Code(pt.nummer, "ku"), "Kordonpunt " + std::to_string(pt.nummer) + " uitgaand");
      } else {
        p.PostToevoegen(Code(pt.nummer, "t1"), "Tussenpunt " + std::to_string(pt.nummer) + " richting 1");
        p.PostToevoegen(Code(pt.nummer, "t2"), "Tussenpunt " + std::to_string(pt.nummer) + " richting 2");
      }
    }
  }

  // Minutes a vehicle needs for a distance at the average speed.
  double Rijtijd(double km) const { return km / s_.snelheid * 60.0; }

  const Punt& PuntVan(std::string_view code) const {
    const int nummer = std::stoi(std::string(code.substr(0, 3)));
    return punten_[static_cast<std::size_t>(nummer - 1)];
  }

  // Every pair gets a window around its straight-line travel time; the pairs of one point
  // number (the U-turn at a cordon point, the two directions of an intermediate point) are
  // blocked.
  void TabelVullen(Project& p) {
    DoorrijtijdentabelBijwerken(p);
    for (std::string& regel : p.Doorrijtijdentabel) {
      const std::string van = regel.substr(0, 6), naar = regel.substr(7, 6);
      int maximum = 0, minimum = 0;
      if (van.substr(0, 3) != naar.substr(0, 3)) {
        const double t = Rijtijd(Afstand(PuntVan(van), PuntVan(naar)));
        minimum = static_cast<int>(std::floor(t * 0.7));
        maximum = static_cast<int>(std::ceil(t * 2.0)) + 3;
      }
      regel = DoorrijtijdRegel(van, naar, std::to_string(maximum), std::to_string(minimum));
    }
  }

  std::string Kenteken() {
    static const char* kVormen[] = {"LLDDDD", "DDDDLL", "DDLLDD", "LLDDLL", "LLLLDD", "DDLLLL", "DDLLLD",
                                    "DLLLDD", "LLDDDL", "LDDDLL", "LLLDDL", "LDDLLL", "DLLDDD", "DDDLLD"};
    static const std::string kLetters = "BDFGHJKLNPRSTVXZ";
    for (;;) {
      std::string k;
      for (const char* c = kVormen[Getal(0, 13)]; *c; ++c)
        k += *c == 'L' ? kLetters[static_cast<std::size_t>(Getal(0, 15))] : static_cast<char>('0' + Getal(0, 9));
      if (gebruikt_.insert(k).second) return k;
    }
  }

  char Voertuigtype() {
    static const std::pair<char, double> kAandelen[] = {{'a', 0.78}, {'l', 0.04},  {'m', 0.03},  {'z', 0.03},
                                                        {'b', 0.09}, {'o', 0.015}, {'u', 0.005}, {'r', 0.01}};
    double k = Kans();
    for (const auto& [letter, aandeel] : kAandelen) {
      if (k < aandeel) return letter;
      k -= aandeel;
    }
    return 'a';
  }

  // The plate as the observer noted it.
  std::string Waargenomen(const std::string& kenteken, const Project& p) {
    std::string k = kenteken;
    const double r = Kans();
    double grens = s_.gemist;
    if (r < grens) return std::string(p.Gegevens.GemistKentekenKarakter.view());
    if (r < (grens += s_.onleesbaar)) {
      k[static_cast<std::size_t>(Getal(0, 5))] = p.Gegevens.WildcardKarakter[0];
      return k;
    }
    if (r < (grens += s_.verwisseld)) {
      const std::size_t paar = static_cast<std::size_t>(Getal(0, 2)) * 2;
      std::swap(k[paar], k[paar + 1]);
      return k;
    }
    if (r < (grens += s_.verkeerd)) {
      const std::size_t i = static_cast<std::size_t>(Getal(0, 5));
      static const std::string kLetters = "BDFGHJKLNPRSTVXZ";
      const char oud = k[i];
      while (k[i] == oud)
        k[i] = (oud >= '0' && oud <= '9') ? static_cast<char>('0' + Getal(0, 9))
                                          : kLetters[static_cast<std::size_t>(Getal(0, 15))];
    }
    return k;
  }

  struct Waarneming {
    std::string post;
    double minuut;
  };

  // The intermediate post a trip from a to b passes at point t: direction 1 when it heads
  // east, 2 otherwise.
  static std::string Tussenpost(const Punt& t, double vanX, double naarX) {
    return Code(t.nummer, naarX >= vanX ? "t1" : "t2");
  }

  const Punt* WillekeurigTussenpunt() {
    if (s_.tussenpunten <= 0) return nullptr;
    return &punten_[static_cast<std::size_t>(s_.kordonpunten + Getal(0, s_.tussenpunten - 1))];
  }

  Punt BinnenPunt() {
    const double r = s_.straal * 0.8 * std::sqrt(Kans());
    const double hoek = 2 * kPi * Kans();
    return {0, r * std::cos(hoek), r * std::sin(hoek), false};
  }

  // The legs of one trip from a to b, with an optional intermediate point between them.
  std::vector<Waarneming> Rit(const Punt& van, const std::string& vanPost, const Punt& naar,
                              const std::string& naarPost, double start) {
    std::vector<Waarneming> w;
    double t = start;
    const Punt* vorige = &van;
    if (!vanPost.empty()) w.push_back({vanPost, t});
    if (const Punt* tp = Kans() < s_.viaTussenpunt ? WillekeurigTussenpunt() : nullptr) {
      t += Rijtijd(Afstand(*vorige, *tp)) * (0.9 + 0.5 * Kans());
      w.push_back({Tussenpost(*tp, van.x, naar.x), t});
      vorige = tp;
    }
    if (!naarPost.empty()) {
      t += Rijtijd(Afstand(*vorige, naar)) * (0.9 + 0.5 * Kans());
      w.push_back({naarPost, t});
    }
    return w;
  }

  // The sightings the observers note of one trip: those in the period, less the skipped ones.
  // When the survey saw the trip whole - every sighting in the period noted, none with the
  // plate missed entirely - it counts among the observable trips, as the noted sightings show
  // it: from its first post when that is an inbound post, to its last when that is outbound.
  void Noteren(Onderzoek& o, const std::vector<Waarneming>& rit, const std::string& kenteken, char type, double van,
               double tot, std::size_t& aantal) {
    const std::string* eerste = nullptr;  // the posts of the first and the last sighting noted
    const std::string* laatste = nullptr;
    bool heel = true;
    for (const Waarneming& w : rit) {
      const int minuut = static_cast<int>(std::floor(w.minuut));
      if (minuut < van || minuut >= tot || minuut > 1439) continue;  // observers work in the period only
      if (Kans() < s_.overgeslagen) {
        heel = false;
        continue;
      }
      const std::string plaat = Waargenomen(kenteken, o.project);
      if (plaat == o.project.Gegevens.GemistKentekenKarakter.view()) heel = false;
      o.project.RegistratieToevoegen(w.post, Tijdtekst(minuut), std::string_view(&type, 1), plaat);
      ++aantal;
      if (!eerste) eerste = &w.post;
      laatste = &w.post;
    }
    if (!heel || !eerste) return;
    const bool herkomst = eerste->ends_with("ki"), bestemming = laatste->ends_with("ku");
    if (herkomst || bestemming)
      ++o.waarneembaar[{herkomst ? *eerste : std::string(), bestemming ? *laatste : std::string()}];
  }

  void VoertuigenRijden(Onderzoek& o) {
    const double van = (s_.vanTijd / 100) * 60 + s_.vanTijd % 100;
    const double tot = (s_.totTijd / 100) * 60 + s_.totTijd % 100;
    const double som = s_.doorgaand + s_.herkomst + s_.bestemming + s_.lokaal;
    const int k = s_.kordonpunten;
    std::size_t aantal = 0;
    while (aantal < static_cast<std::size_t>(s_.registraties) && k >= 2) {
      const double start = van - 15 + (tot - van + 15) * Kans();
      const double soort = Kans() * som;
      const Punt& a = punten_[static_cast<std::size_t>(Getal(0, k - 1))];
      Punt b = punten_[static_cast<std::size_t>(Getal(0, k - 1))];
      std::vector<Waarneming> rit;
      std::tuple<std::string, std::string> sleutel;
      enum class Soort { Doorgaand, Herkomst, Bestemming, Lokaal } s;
      if (soort < s_.doorgaand) {
        s = Soort::Doorgaand;
        while (b.nummer == a.nummer) b = punten_[static_cast<std::size_t>(Getal(0, k - 1))];
        rit = Rit(a, Code(a.nummer, "ki"), b, Code(b.nummer, "ku"), start);
        sleutel = {Code(a.nummer, "ki"), Code(b.nummer, "ku")};
      } else if (soort < s_.doorgaand + s_.herkomst) {
        s = Soort::Herkomst;
        rit = Rit(BinnenPunt(), "", b, Code(b.nummer, "ku"), start);
        sleutel = {"", Code(b.nummer, "ku")};
      } else if (soort < s_.doorgaand + s_.herkomst + s_.bestemming) {
        s = Soort::Bestemming;
        rit = Rit(a, Code(a.nummer, "ki"), BinnenPunt(), "", start);
        sleutel = {Code(a.nummer, "ki"), ""};
      } else {
        s = Soort::Lokaal;
        rit = Rit(BinnenPunt(), "", BinnenPunt(), "", start);
      }
      if (std::get<0>(sleutel).size() + std::get<1>(sleutel).size() > 0) ++o.ritten[sleutel];
      const std::string kenteken = Kenteken();
      const char type = Voertuigtype();
      Noteren(o, rit, kenteken, type, van, tot, aantal);

      // The way back, 2 to 10 hours after the trip began, when it begins within the period:
      // through traffic from b to a, origin traffic back as destination traffic and the other
      // way round. No chance is drawn without return trips, so the survey stays as it was.
      if (s_.terugrit <= 0 || Kans() >= s_.terugrit) continue;
      const double terug = start + 120 + 480 * Kans();
      if (terug >= tot) continue;
      sleutel = {};
      switch (s) {
        case Soort::Doorgaand:
          rit = Rit(b, Code(b.nummer, "ki"), a, Code(a.nummer, "ku"), terug);
          sleutel = {Code(b.nummer, "ki"), Code(a.nummer, "ku")};
          break;
        case Soort::Herkomst:
          rit = Rit(b, Code(b.nummer, "ki"), BinnenPunt(), "", terug);
          sleutel = {Code(b.nummer, "ki"), ""};
          break;
        case Soort::Bestemming:
          rit = Rit(BinnenPunt(), "", a, Code(a.nummer, "ku"), terug);
          sleutel = {"", Code(a.nummer, "ku")};
          break;
        case Soort::Lokaal:
          rit = Rit(BinnenPunt(), "", BinnenPunt(), "", terug);
          break;
      }
      if (std::get<0>(sleutel).size() + std::get<1>(sleutel).size() > 0) ++o.ritten[sleutel];
      Noteren(o, rit, kenteken, type, van, tot, aantal);
    }
  }

  // Observers hand in their lists per post: post order, then time (stable, so a post's
  // registrations of one minute keep the order in which they were made). Each registration's
  // post is looked up once; the sort then compares small numbers.
  static void RegistratiesOrdenen(Project& p) {
    std::unordered_map<std::string_view, std::uint32_t> volgorde;
    for (std::size_t i = 0; i < p.Postlijst.size(); ++i)
      volgorde.insert_or_assign(p.Postlijst[i].Postcode.view(), static_cast<std::uint32_t>(i));
    const auto postindex = [&](const RRegistratie& r) {
      const auto it = volgorde.find(r.Post.view());
      return it == volgorde.end() ? std::uint32_t{0} : it->second;
    };
    struct Sleutel {
      std::uint32_t post;
      std::uint32_t index;
    };
    auto& lijst = p.Registratielijst;
    std::vector<Sleutel> sleutels(lijst.size());
    for (std::size_t i = 0; i < lijst.size(); ++i) sleutels[i] = {postindex(lijst[i]), static_cast<std::uint32_t>(i)};
    std::stable_sort(sleutels.begin(), sleutels.end(), [&](const Sleutel& x, const Sleutel& y) {
      if (x.post != y.post) return x.post < y.post;
      return lijst[x.index].Tijd.view() < lijst[y.index].Tijd.view();
    });
    std::vector<RRegistratie> geordend;
    geordend.reserve(lijst.size());
    for (const Sleutel& k : sleutels) geordend.push_back(lijst[k.index]);
    lijst = std::move(geordend);
  }

  OnderzoekInstellingen s_;
  std::mt19937 rng_;
  std::vector<Punt> punten_;
  std::unordered_set<std::string> gebruikt_;  // every plate handed out
};

}  // namespace

Onderzoek OnderzoekMaken(const OnderzoekInstellingen& instellingen) { return Generator(instellingen).Maken(); }

std::vector<std::string> RittenAlsTekst(const HerkomstBestemming& ritten, const HerkomstBestemming& waarneembaar) {
  HerkomstBestemming beide = ritten;
  for (const auto& [sleutel, aantal] : waarneembaar) beide.try_emplace(sleutel, 0);
  const auto aantalVan = [](const HerkomstBestemming& m, const auto& sleutel) {
    const auto it = m.find(sleutel);
    return it == m.end() ? 0 : it->second;
  };
  std::vector<std::string> regels{"soort;van;naar;werkelijk;waarneembaar"};
  for (const auto& [sleutel, aantal] : beide) {
    const auto& [van, naar] = sleutel;
    const char* soort = van.empty() ? "herkomst" : naar.empty() ? "bestemming" : "doorgaand";
    regels.push_back(std::string(soort) + ";" + van + ";" + naar + ";" + std::to_string(aantalVan(ritten, sleutel)) +
                     ";" + std::to_string(aantalVan(waarneembaar, sleutel)));
  }
  return regels;
}

}  // namespace morvask::bench
