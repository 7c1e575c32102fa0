#include "analysis/plate_keys.h"

#include <algorithm>
#include <bit>

namespace morvask {
namespace {

constexpr int Paren = 3;

std::uint8_t PaarMasker(int paar) { return static_cast<std::uint8_t>(0b11u << (2 * paar)); }

}  // namespace

std::vector<std::uint8_t> Positiekeuzes(std::uint8_t uit, int aantal) {
  std::vector<std::uint8_t> keuzes;
  for (unsigned m = 0; m < 64; ++m)
    if ((m & ~unsigned{uit}) == 0 && std::popcount(m) == aantal) keuzes.push_back(static_cast<std::uint8_t>(m));
  return keuzes;
}

RSleutelplan SleutelplanVoor(const RVergelijkingsInstellingen& in) {
  RSleutelplan plan;
  plan.metWildcards = in.MetWildcards;
  plan.wildcard = KarakterCode(in.WildcardKarakter);
  plan.gemist = KarakterCode(in.GemistKentekenKarakter);
  plan.groteLetters = in.GeenHoofdletterverschil;
  std::vector<int> paren;
  bool gepaard = true;
  for (int p = 0; p < Paren; ++p) {
    if (in.Posities[2 * p] != in.Posities[2 * p + 1]) gepaard = false;
    if (in.Posities[2 * p]) {
      paren.push_back(p);
      plan.vergeleken |= PaarMasker(p);
    }
  }
  // The pair test reads the first flag of a pair and the difference test each flag; the run
  // always pairs them, and unpaired flags are simply compared with every candidate.
  if (!gepaard) {
    plan.zonderSleutels = true;
    plan.vergeleken = 0;
    plan.toegestaneAfwijking = 6;
    return plan;
  }

  const int k = static_cast<int>(paren.size());
  const int verwisseld = std::max(in.MaxVerwisseld, 0);
  const int verschillend = std::max(in.MaxVerschillend, 0);
  plan.toegestaneAfwijking = std::max(verwisseld, verschillend);
  plan.verschillend = verschillend;

  if (verwisseld > 0) plan.vormen.push_back({plan.vergeleken, true});
  if (verschillend == 0) {
    if (verwisseld == 0) plan.vormen.push_back({plan.vergeleken, false});
  } else if (verschillend < k) {
    std::uint8_t paarbits = 0;
    for (int p : paren) paarbits |= static_cast<std::uint8_t>(1u << p);
    for (std::uint8_t keuze : Positiekeuzes(paarbits, k - verschillend)) {
      std::uint8_t posities = 0;
      for (int p = 0; p < Paren; ++p)
        if (keuze & (1u << p)) posities |= PaarMasker(p);
      plan.vormen.push_back({posities, false});
    }
  } else if (2 * k - verschillend > 0) {
    plan.positievormen = true;
    for (std::uint8_t keuze : Positiekeuzes(plan.vergeleken, 2 * k - verschillend))
      plan.vormen.push_back({keuze, false});
  } else {
    plan.zonderSleutels = true;
  }
  return plan;
}

RKentekenkenmerk KentekenkenmerkVan(const RSleutelplan& plan, std::string_view kenteken) {
  RKentekenkenmerk k;
  const Kentekenposities codes = KentekenPosities(kenteken, plan.groteLetters);
  for (int i = 0; i < 6; ++i) {
    const auto bit = static_cast<std::uint8_t>(1u << i);
    if (codes[i] == KentekenpositieLeeg) {
      k.leeg |= bit;
      continue;
    }
    k.tekens |= std::uint64_t{static_cast<std::uint8_t>(codes[i])} << (8 * i);
    if (codes[i] == plan.wildcard) k.wildcards |= bit;
  }
  k.gemist = codes[0] == plan.gemist;
  return k;
}

RKentekenkenmerk Ingevuld(const RKentekenkenmerk& kenmerk, int positie, int code) {
  RKentekenkenmerk k = kenmerk;
  const auto bit = static_cast<std::uint8_t>(1u << positie);
  const int schuif = 8 * positie;
  k.wildcards = static_cast<std::uint8_t>(k.wildcards & ~bit);
  k.tekens &= ~(std::uint64_t{0xFF} << schuif);
  if (code == KentekenpositieLeeg) {
    k.leeg |= bit;
  } else {
    k.leeg = static_cast<std::uint8_t>(k.leeg & ~bit);
    k.tekens |= std::uint64_t{static_cast<std::uint8_t>(code)} << schuif;
  }
  return k;
}

std::optional<std::uint64_t> Sleutel(const RKentekenkenmerk& k, RSleutelvorm vorm) {
  if (k.wildcards & vorm.posities) return std::nullopt;
  // The form itself, then nine bits per position: 0 for a position the form does not cover,
  // else 1 for the empty position and the byte plus 2 for a character.
  std::uint64_t sleutel = vorm.posities | (std::uint64_t{vorm.ongeordend} << 6);
  std::array<std::uint64_t, 6> c{};
  for (int i = 0; i < 6; ++i)
    if (vorm.posities & (1u << i)) c[i] = (k.leeg & (1u << i)) ? 1 : ((k.tekens >> (8 * i)) & 0xFF) + 2;
  if (vorm.ongeordend)
    for (int i = 0; i < 6; i += 2)
      if (c[i] > c[i + 1]) std::swap(c[i], c[i + 1]);
  for (int i = 0; i < 6; ++i) sleutel |= c[i] << (7 + 9 * i);
  return sleutel;
}

}  // namespace morvask
