#include "analysis/plate_comparison.h"

#include "core/project.h"
#include "core/text_utils.h"

namespace morvask {
namespace {

constexpr int Leeg = KentekenpositieLeeg;
constexpr int Aantalposities = 6;

using Posities = Kentekenposities;

// The swapped-pair test over the pairs (1,2), (3,4), (5,6). Returns whether every pair is
// straight or swapped, and counts 2 swapped characters per swapped pair.
bool ParenGelijk(const RVergelijkingsInstellingen& in, const Posities& a, const Posities& b, int w, int& verwisseld) {
  const bool wild = in.MetWildcards;
  auto isW = [w](int c) { return c == w; };
  bool allesGoed = true;
  for (int paar = 0; paar < Aantalposities; paar += 2) {
    if (!in.Posities[paar]) continue;
    const int p1 = a[paar], p2 = a[paar + 1], q1 = b[paar], q2 = b[paar + 1];
    if (p1 == Leeg && p2 == Leeg && q1 == Leeg && q2 == Leeg) continue;
    if (p1 == Leeg) {
      allesGoed = false;
      continue;
    }
    const bool zonderW = !isW(p1) && !isW(p2) && !isW(q1) && !isW(q2);
    if (p1 == q1 && p2 == q2 && zonderW) continue;
    if (wild && (p1 == q1 || isW(p1) || isW(q1)) && (p2 == q2 || isW(p2) || isW(q2))) continue;
    if (p1 == q2 && p2 == q1 && zonderW) {
      verwisseld += 2;
      continue;
    }
    if (wild && ((isW(p2) && p1 == q2) || (isW(q1) && p1 == q2) || (isW(p1) && p2 == q1) || (isW(q2) && p2 == q1))) {
      verwisseld += 2;
      continue;
    }
    allesGoed = false;
  }
  return allesGoed;
}

// The number of selected positions that differ. The selected count is taken from the flags
// themselves, so a caller that did not pair and count them still gets a consistent answer.
int AantalVerschillend(const RVergelijkingsInstellingen& in, const Posities& a, const Posities& b, int w) {
  int verschillend = 0;
  for (int i = 0; i < Aantalposities; ++i) {
    if (!in.Posities[i]) continue;
    const bool aW = a[i] == w, bW = b[i] == w;
    const bool gelijk = (a[i] == b[i] && !aW && !bW) || (in.MetWildcards && (aW || bW));
    if (!gelijk) ++verschillend;
  }
  return verschillend;
}

// The remark is assembled in a small fixed buffer: at most "6w, 6v, 1p, 1t".
class Opmerkingbuffer {
 public:
  void Toevoegen(int getal, char soort) {
    Scheiding();
    Teken(static_cast<char>('0' + getal));
    Teken(soort);
  }
  void Toevoegen(const char* deel) {
    Scheiding();
    while (*deel) Teken(*deel++);
  }
  std::string Tekst() const { return std::string(tekst_, lengte_); }

 private:
  void Scheiding() {
    if (lengte_ == 0) return;
    Teken(',');
    Teken(' ');
  }
  void Teken(char c) {
    if (lengte_ < sizeof tekst_) tekst_[lengte_++] = c;
  }
  char tekst_[16];
  std::size_t lengte_ = 0;
};

}  // namespace

Kentekenposities KentekenPosities(std::string_view kenteken, bool grote) {
  Kentekenposities p;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (i < kenteken.size()) {
      const char c = grote ? GroteLetter(kenteken[i]) : kenteken[i];
      p[i] = static_cast<unsigned char>(c);
    } else {
      p[i] = Leeg;
    }
  }
  return p;
}

int KarakterCode(const KorteTekst<1>& karakter) {
  return karakter.empty() ? KentekenpositieGeen : static_cast<unsigned char>(karakter[0]);
}

RVergelijkingsInstellingen VergelijkingsInstellingen(const RProjectgegevens& gegevens) {
  RVergelijkingsInstellingen in;
  in.WildcardKarakter = gegevens.WildcardKarakter;
  in.GemistKentekenKarakter = gegevens.GemistKentekenKarakter;
  return in;
}

int AantalKaraktersTellen(RVergelijkingsInstellingen& in) {
  in.Posities[1] = in.Posities[0];
  in.Posities[3] = in.Posities[2];
  in.Posities[5] = in.Posities[4];
  int aantal = 0;
  for (bool p : in.Posities)
    if (p) ++aantal;
  in.AantalKarakters = aantal;
  if (in.MaxVerwisseld > aantal) in.MaxVerwisseld = aantal;
  if (in.MaxVerschillend > aantal) in.MaxVerschillend = aantal;
  return aantal;
}

bool BinnenPeriode(const RVergelijkingsInstellingen& in, int eenTijd) {
  return in.Vanaf <= eenTijd && eenTijd < in.Tot;
}

bool BinnenPeriode(const RVergelijkingsInstellingen& in, std::string_view eenTijd) {
  int tijd = 0;
  return ProbeerGetal(eenTijd, tijd) && BinnenPeriode(in, tijd);
}

RKentekenvergelijking KentekensGelijk(const RVergelijkingsInstellingen& in, std::string_view ken1,
                                      std::string_view ken2, std::string_view tijdKen1, std::string_view tijdKen2,
                                      std::string_view vtgType1, std::string_view vtgType2) {
  const Posities a = KentekenPosities(ken1, in.GeenHoofdletterverschil);
  const Posities b = KentekenPosities(ken2, in.GeenHoofdletterverschil);
  // The wildcard character is compared as stored, not upper-cased.
  const int w = KarakterCode(in.WildcardKarakter);
  Opmerkingbuffer opmerking;

  // A missed plate is recognised by the first character of the plate as compared (after the
  // optional upper-casing), against the missed-plate character as stored.
  const int gemist = KarakterCode(in.GemistKentekenKarakter);
  const bool gemisteKentekens = a[0] == gemist || b[0] == gemist;

  bool kentekensGelijk = false;
  if (in.MaxVerwisseld > 0) {
    int verwisseld = 0;
    const bool parenGoed = ParenGelijk(in, a, b, w, verwisseld);
    kentekensGelijk = parenGoed && verwisseld <= in.MaxVerwisseld;
    if (verwisseld > 0) opmerking.Toevoegen(verwisseld, 'w');
  }
  if (!kentekensGelijk) {
    const int verschillend = AantalVerschillend(in, a, b, w);
    kentekensGelijk = verschillend <= in.MaxVerschillend;
    if (verschillend > 0) opmerking.Toevoegen(verschillend, 'v');
  }

  const bool binnen1 = BinnenPeriode(in, tijdKen1);
  const bool binnen2 = BinnenPeriode(in, tijdKen2);
  bool periodeGoed;
  if (in.PeriodeCorrectie) {
    periodeGoed = binnen1 || binnen2;
    if (binnen1 != binnen2) opmerking.Toevoegen("1p");
  } else {
    periodeGoed = binnen1 && binnen2;
  }

  if (!GelijkZonderHoofdletters(vtgType1, vtgType2)) opmerking.Toevoegen("1t");

  return {kentekensGelijk && periodeGoed && !gemisteKentekens, opmerking.Tekst()};
}

}  // namespace morvask
