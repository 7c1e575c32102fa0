// The indexed route search of the matching run. It finds exactly the routes of a scan of every
// registration within the travel time of a route end (the search described in
// analysis/route_search.h), but looks only at the registrations that can compare equal:
//  - the plates of the registrations at posts that can follow are indexed by the keys of the
//    iteration (analysis/plate_keys.h): two plates that can compare equal share a key, so the
//    candidates of an end are the registrations under its keys, in list order; a plate with
//    one wildcard is indexed under the keys of its fillings and looks them up as an end;
//  - where the scan would stop is found in a maximum tree of the times
//    (analysis/scan_limit.h), which also follows the memory clearing;
//  - the travel times of a pair are read from a table of the post pairs
//    (analysis/travel_time_pairs.h).
// The registrations stay where they are during the iteration; the ones a memory clearing
// takes out are removed from the list when the iteration ends.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/plate_keys.h"
#include "analysis/route_search.h"
#include "analysis/scan_limit.h"
#include "analysis/travel_time_pairs.h"
#include "base/user_interface.h"
#include "core/project.h"

namespace morvask {
namespace {

// What the search needs of a registration, read once per iteration.
struct RWerkregistratie {
  int post = -1;
  int minuten = 0;
  RKentekenkenmerk kenmerk;
  bool leesbaar = false;  // the time can be read as hours and minutes
  bool start = false;     // "-ki", "-t1", "-t2"
  bool vervolg = false;   // "-t1", "-t2", "-ku"
  bool uit = false;       // "-ku": the route ends there
  bool gebruikt = false;  // the registration's used mark, kept beside the list for the scans
};

// The index of the keys. An entry holds a 32-bit digest of the key above the list index; two
// keys with the same digest only add candidates, which the full comparison turns down. The
// entries are spread over buckets by the top bits of their digest, a bucket for about four
// entries, so a key's entries are found in one small bucket instead of by a search through
// them all; within a bucket they keep list order, since they are added in list order.
class Sleutelindex {
 public:
  using Regel = std::uint64_t;

  static std::uint32_t Digest(std::uint64_t sleutel) {
    // The finaliser of splitmix64: every key bit reaches the digest.
    sleutel ^= sleutel >> 30;
    sleutel *= 0xBF58476D1CE4E5B9ull;
    sleutel ^= sleutel >> 27;
    sleutel *= 0x94D049BB133111EBull;
    sleutel ^= sleutel >> 31;
    return static_cast<std::uint32_t>(sleutel >> 32);
  }
  static std::uint32_t IndexVan(Regel regel) { return static_cast<std::uint32_t>(regel); }
  static std::uint32_t DigestVan(Regel regel) { return static_cast<std::uint32_t>(regel >> 32); }

  // Entries are added in list order.
  void Toevoegen(std::uint64_t sleutel, std::uint32_t index) {
    regels_.push_back((std::uint64_t{Digest(sleutel)} << 32) | index);
  }

  // Spreads the entries over their buckets (a counting sort, which keeps list order).
  void Afronden() {
    // About four entries per bucket: half a cache line to search, and a table of buckets that
    // stays small.
    bits_ = 4;
    while (bits_ < 30 && (std::size_t{4} << bits_) < regels_.size()) ++bits_;
    begin_.assign((std::size_t{1} << bits_) + 1, 0);
    for (Regel r : regels_) ++begin_[Emmer(DigestVan(r)) + 1];
    for (std::size_t b = 1; b < begin_.size(); ++b) begin_[b] += begin_[b - 1];
    std::vector<Regel> verdeeld(regels_.size());
    std::vector<std::uint32_t> plek(begin_.begin(), begin_.end() - 1);
    for (Regel r : regels_) verdeeld[plek[Emmer(DigestVan(r))]++] = r;
    regels_ = std::move(verdeeld);
  }

  // The entries of one key from a list index on, in list order.
  class Cursor {
   public:
    Cursor() = default;
    Cursor(const Regel* plek, const Regel* eind, std::uint32_t digest, std::uint32_t vanaf)
        : plek_(plek), eind_(eind), digest_(digest) {
      plek_ = std::partition_point(plek_, eind_, [vanaf](Regel r) { return IndexVan(r) < vanaf; });
      Zoeken();
    }
    bool Klaar() const { return plek_ == eind_; }
    std::uint32_t Index() const { return IndexVan(*plek_); }
    void Volgende() {
      ++plek_;
      Zoeken();
    }

   private:
    void Zoeken() {
      while (plek_ != eind_ && DigestVan(*plek_) != digest_) ++plek_;
    }
    const Regel* plek_ = nullptr;
    const Regel* eind_ = nullptr;
    std::uint32_t digest_ = 0;
  };

  // The list indices of the entries of many keys from `vanaf` up to and including `tot`, in
  // no particular order. The buckets are fetched from memory all at once, not one after the
  // other: an end with a wildcard looks up dozens of keys.
  void Verzamelen(const std::vector<std::uint64_t>& sleutels, std::uint32_t vanaf, std::uint32_t tot,
                  std::vector<std::uint32_t>& uit) const {
    if (regels_.empty()) return;
    emmers_.clear();
    for (std::uint64_t sleutel : sleutels) {
      const std::uint32_t digest = Digest(sleutel);
      const std::size_t b = Emmer(digest);
      __builtin_prefetch(&begin_[b]);
      emmers_.push_back({digest, static_cast<std::uint32_t>(b)});
    }
    for (auto& [digest, b] : emmers_) {
      __builtin_prefetch(regels_.data() + begin_[b]);
    }
    for (const auto& [digest, b] : emmers_)
      for (Cursor c(regels_.data() + begin_[b], regels_.data() + begin_[b + 1], digest, vanaf);
           !c.Klaar() && c.Index() <= tot; c.Volgende())
        uit.push_back(c.Index());
  }

  // A lookup of one key: where its bucket lies, fetched ahead of the reads.
  struct Opzoeking {
    const Sleutelindex* index;
    std::uint32_t digest;
    std::uint32_t emmer;
  };

  // Starts the lookup of a key: the bucket's place in the table is fetched from memory.
  std::optional<Opzoeking> Voorbereiden(std::uint64_t sleutel) const {
    if (regels_.empty()) return std::nullopt;
    const std::uint32_t digest = Digest(sleutel);
    const auto b = static_cast<std::uint32_t>(Emmer(digest));
    __builtin_prefetch(&begin_[b]);
    return Opzoeking{this, digest, b};
  }

  // A cursor per prepared lookup, from `vanaf` on, into `uit`; the keys without entries there
  // get none. Returns the number of cursors. The buckets of all lookups are fetched from
  // memory at once, whichever index they belong to.
  static std::size_t Cursors(const Opzoeking* opzoekingen, std::size_t aantal, std::uint32_t vanaf, Cursor* uit) {
    for (std::size_t i = 0; i < aantal; ++i) {
      const Opzoeking& o = opzoekingen[i];
      __builtin_prefetch(o.index->regels_.data() + o.index->begin_[o.emmer]);
    }
    std::size_t gevonden = 0;
    for (std::size_t i = 0; i < aantal; ++i) {
      const Opzoeking& o = opzoekingen[i];
      const Regel* data = o.index->regels_.data();
      Cursor c(data + o.index->begin_[o.emmer], data + o.index->begin_[o.emmer + 1], o.digest, vanaf);
      if (!c.Klaar()) uit[gevonden++] = c;
    }
    return gevonden;
  }

 private:
  std::size_t Emmer(std::uint32_t digest) const { return digest >> (32 - bits_); }

  std::vector<Regel> regels_;
  std::vector<std::uint32_t> begin_;  // per bucket its first entry, and the end
  int bits_ = 4;
  mutable std::vector<std::pair<std::uint32_t, std::uint32_t>> emmers_;  // digest and bucket
};

struct RKandidaat {
  std::size_t index;
  std::string opmerking;
};

class Iteratiezoeker {
 public:
  explicit Iteratiezoeker(RIteratieOpdracht& o)
      : o_(o),
        lijst_(o.project.Registratielijst),
        ui_(o.ui),
        plan_(SleutelplanVoor(o.vergelijking)),
        paren_(o.project),
        werk_(Werkregistraties()),
        grens_(Minutenlijst()) {
    IndexBouwen();
  }

  void Uitvoeren() {
    int geprobeerd = 0;
    std::size_t vanaf = 0;
    while (!ui_.BerekeningAfbreken) {
      const std::optional<std::size_t> start = VolgendeStart(vanaf);
      if (!start) break;
      StartProberen(o_, lijst_[*start], ++geprobeerd);

      if (RouteBouwen(*start)) ++o_.routesSindsOpschonen;
      if (o_.opschoonwaarde > 0 && o_.routesSindsOpschonen > o_.opschoonwaarde) {
        // The memory clearing takes the used registrations out of the list: they no longer
        // stop a scan. Which start comes next does not change, since every start before
        // this one is used or tried.
        for (std::uint32_t i : gebruiktSindsOpschonen_) {
          grens_.Verwijderen(i);
          opgeschoond_[i] = true;
        }
        gebruiktSindsOpschonen_.clear();
        o_.routesSindsOpschonen = 0;
      }
      vanaf = *start + 1;
    }
    // The list leaves the iteration as the memory clearing leaves it, so that the run counts
    // the next iteration's starts over the same registrations.
    std::size_t blijft = 0;
    for (std::size_t i = 0; i < lijst_.size(); ++i)
      if (!opgeschoond_[i]) lijst_[blijft++] = std::move(lijst_[i]);
    lijst_.resize(blijft);
  }

 private:
  std::vector<RWerkregistratie> Werkregistraties() const {
    std::vector<RWerkregistratie> werk(lijst_.size());
    for (std::size_t i = 0; i < lijst_.size(); ++i) {
      const RRegistratie& r = lijst_[i];
      RWerkregistratie& w = werk[i];
      w.post = paren_.Postnummer(r.Post);
      const std::optional<int> minuten = TijdNaarMinuten(r.Tijd);
      w.leesbaar = minuten.has_value();
      w.minuten = minuten.value_or(0);
      w.start = IsStartpost(r.Post);
      w.vervolg = IsVervolgpost(r.Post);
      w.uit = r.Post.view().ends_with("ku");
      w.kenmerk = KentekenkenmerkVan(plan_, r.Kenteken);
    }
    return werk;
  }

  std::vector<int> Minutenlijst() const {
    std::vector<int> minuten(werk_.size());
    for (std::size_t i = 0; i < werk_.size(); ++i) minuten[i] = werk_[i].minuten;
    return minuten;
  }

  // The characters that a plate holds in a pair of positions, the empty position included:
  // what a wildcard in that pair is filled with. Every plate of the list counts, ends and
  // candidates alike.
  void VullingenVerzamelen() {
    std::array<std::array<bool, 257>, 3> gezien{};
    for (const RWerkregistratie& w : werk_) {
      if (w.kenmerk.gemist) continue;
      for (int i = 0; i < 6; ++i) {
        if (w.kenmerk.wildcards & (1u << i)) continue;
        const int code = (w.kenmerk.leeg & (1u << i)) ? 256 : static_cast<int>((w.kenmerk.tekens >> (8 * i)) & 0xFF);
        gezien[static_cast<std::size_t>(i / 2)][static_cast<std::size_t>(code)] = true;
      }
    }
    for (std::size_t p = 0; p < 3; ++p)
      for (int code = 0; code <= 256; ++code)
        if (gezien[p][static_cast<std::size_t>(code)])
          vullingen_[p].push_back(code == 256 ? KentekenpositieLeeg : code);
  }

  // The keys under which a plate is found, and which it looks up as an end: its own keys, or
  // with one wildcard those of its fillings.
  // When the plates with one wildcard are kept apart, theirs are only the keys over the
  // unordered pairs: the choices of positions take the place of the others.
  template <typename Doe>
  void SleutelsVan(const RKentekenkenmerk& k, Doe&& doe) const {
    const unsigned wild = Wildcardposities(plan_, k);
    const int positie = wild ? std::countr_zero(wild) : -1;
    for (const RSleutelvorm& vorm : plan_.vormen) {
      if (positie >= 0 && wildcardsApart_ && !vorm.ongeordend) continue;
      if (positie < 0 || !(vorm.posities & wild)) {
        if (const auto sleutel = Sleutel(k, vorm)) doe(*sleutel);
        continue;
      }
      for (int code : vullingen_[static_cast<std::size_t>(positie / 2)])
        if (const auto sleutel = Sleutel(Ingevuld(k, positie, code), vorm)) doe(*sleutel);
    }
  }

  // Only registrations at a post that can follow are ever candidates, and a missed plate
  // equals nothing.
  void IndexBouwen() {
    if (plan_.zonderSleutels) return;
    if (plan_.metWildcards) VullingenVerzamelen();
    for (std::size_t i = 0; i < werk_.size(); ++i) {
      const RWerkregistratie& w = werk_[i];
      if (!w.vervolg || w.kenmerk.gemist) continue;
      const auto index = static_cast<std::uint32_t>(i);
      if (MetAllenVergelijken(w.kenmerk)) {
        wildcards_.push_back(index);
        continue;
      }
      const unsigned wild = Wildcardposities(plan_, w.kenmerk);
      if (wildcardsApart_ && wild) {
        SleutelsVan(w.kenmerk, [&](std::uint64_t sleutel) { index_.Toevoegen(sleutel, index); });
        for (std::uint8_t keuze : keuzes_)
          if (!(keuze & wild))
            if (const auto sleutel = Sleutel(w.kenmerk, {keuze, false})) wildcardIndex_.Toevoegen(*sleutel, index);
        if (kleineKeuzes_.empty()) eenWildcard_.push_back(index);
        for (std::uint8_t keuze : kleineKeuzes_)
          if (!(keuze & wild))
            if (const auto sleutel = Sleutel(w.kenmerk, {keuze, false})) onderlingIndex_.Toevoegen(*sleutel, index);
        continue;
      }
      SleutelsVan(w.kenmerk, [&](std::uint64_t sleutel) { index_.Toevoegen(sleutel, index); });
      if (wildcardsApart_)
        for (std::uint8_t keuze : keuzes_)
          if (const auto sleutel = Sleutel(w.kenmerk, {keuze, false})) keuzeIndex_.Toevoegen(*sleutel, index);
    }
    index_.Afronden();
    keuzeIndex_.Afronden();
    wildcardIndex_.Afronden();
    onderlingIndex_.Afronden();
  }

  // A plate compared with every candidate, and found by every end: more than one wildcard,
  // or one where the keys of the plates with one wildcard would cover no position.
  bool MetAllenVergelijken(const RKentekenkenmerk& k) const {
    return IsMeervoudigWildcardkenteken(plan_, k) || (wildcardsOverAlles_ && Wildcardposities(plan_, k));
  }

  std::optional<std::size_t> VolgendeStart(std::size_t vanaf) const {
    for (std::size_t i = vanaf; i < lijst_.size(); ++i)
      if (!lijst_[i].Gebruikt && !lijst_[i].Geprobeerd && werk_[i].start) return i;
    return std::nullopt;
  }

  bool RouteBouwen(std::size_t start) {
    std::vector<RRegistratie>& punten = punten_;  // reused: most starts make no route
    punten.assign(1, lijst_[start]);
    const int eerstePost = werk_[start].post;
    std::size_t eind = start;
    while (std::optional<RKandidaat> x = EersteKandidaat(eind, eerstePost)) {
      RRegistratie& volgende = lijst_[x->index];
      volgende.Gebruikt = true;
      werk_[x->index].gebruikt = true;
      gebruiktSindsOpschonen_.push_back(static_cast<std::uint32_t>(x->index));
      punten.push_back(volgende);
      o_.resultaat.Matchcontrole.push_back(MatchcontroleRegel(
          lijst_[eind], volgende, werk_[x->index].minuten - werk_[eind].minuten, o_.eenheid, x->opmerking));
      if (werk_[x->index].uit) break;  // the vehicle left the area
      eind = x->index;
      // The scan stops after the new end itself when no time at all fits from its post.
      if (paren_.GrootsteMaximum(werk_[eind].post) < 0) break;
    }
    if (punten.size() < 2) return false;  // the start stays available, only tried
    o_.resultaat.Routes.push_back(RouteRegel(punten));
    lijst_[start].Gebruikt = true;
    lijst_[start].Geprobeerd = false;
    werk_[start].gebruikt = true;
    gebruiktSindsOpschonen_.push_back(static_cast<std::uint32_t>(start));
    return true;
  }

  // Whether the registration at index j is accepted after the route end e: not used, at a
  // post that can follow, the plates equal, the travel time fitting, no block.
  std::optional<RKandidaat> Beoordelen(std::size_t e, std::size_t j, int eerstePost) const {
    const RWerkregistratie& w = werk_[j];
    const RWerkregistratie& we = werk_[e];
    if (w.gebruikt || !w.vervolg || !KanGelijkZijn(plan_, we.kenmerk, w.kenmerk)) return std::nullopt;
    if (!we.leesbaar || !w.leesbaar || !paren_.Past(we.post, w.post, w.minuten - we.minuten)) return std::nullopt;
    if (o_.blokkadesControleren && paren_.Geblokkeerd(eerstePost, w.post)) return std::nullopt;
    const RRegistratie& eind = lijst_[e];
    const RRegistratie& x = lijst_[j];
    RKentekenvergelijking vergelijk = KentekensGelijk(o_.vergelijking, eind.Kenteken, x.Kenteken, eind.Tijd, x.Tijd,
                                                      eind.Voertuigtype, x.Voertuigtype);
    if (!vergelijk.Gelijk) return std::nullopt;
    return RKandidaat{j, std::move(vergelijk.Opmerking)};
  }

  // The first registration after the end e, in list order, that extends the route. The scan
  // of every registration would look at each one up to and including the first that lies
  // too far in time; the candidates among them are the ones that share a key with the end.
  std::optional<RKandidaat> EersteKandidaat(std::size_t e, int eerstePost) const {
    const RWerkregistratie& we = werk_[e];
    if (we.kenmerk.gemist) return std::nullopt;
    const std::size_t laatste =
        grens_.EersteBoven(e + 1, long{we.minuten} + paren_.GrootsteMaximum(we.post));  // inclusive

    if (plan_.zonderSleutels || MetAllenVergelijken(we.kenmerk)) {
      for (std::size_t j = e + 1; j <= laatste && j < lijst_.size(); ++j) {
        if (ui_.BerekeningAfbreken) return std::nullopt;
        if (auto k = Beoordelen(e, j, eerstePost)) return k;
      }
      return std::nullopt;
    }
    if (Wildcardposities(plan_, we.kenmerk)) return EersteVanVullingen(e, laatste, eerstePost);

    // One cursor per key of the end (and per choice of positions for the plates with one
    // wildcard when they are kept apart), and one through the plates compared with every end;
    // they are merged in list order.
    std::array<Sleutelindex::Opzoeking, 64> opzoekingen;
    std::size_t aantalOpzoekingen = 0;
    auto opzoeken = [&](const Sleutelindex& index, std::optional<std::uint64_t> sleutel) {
      if (!sleutel) return;
      if (const auto o = index.Voorbereiden(*sleutel)) opzoekingen[aantalOpzoekingen++] = *o;
    };
    for (const RSleutelvorm& vorm : plan_.vormen) opzoeken(index_, Sleutel(we.kenmerk, vorm));
    for (std::uint8_t keuze : keuzes_) opzoeken(wildcardIndex_, Sleutel(we.kenmerk, {keuze, false}));
    std::array<Sleutelindex::Cursor, 64> cursors;
    const auto volgendeIndex = static_cast<std::uint32_t>(e + 1);
    const std::size_t aantal =
        Sleutelindex::Cursors(opzoekingen.data(), aantalOpzoekingen, volgendeIndex, cursors.data());
    auto wildcard = std::lower_bound(wildcards_.begin(), wildcards_.end(), volgendeIndex);

    for (;;) {
      std::size_t kleinste = laatste + 1;
      for (std::size_t c = 0; c < aantal; ++c)
        if (!cursors[c].Klaar()) kleinste = std::min<std::size_t>(kleinste, cursors[c].Index());
      if (wildcard != wildcards_.end()) kleinste = std::min<std::size_t>(kleinste, *wildcard);
      if (kleinste > laatste || kleinste >= lijst_.size()) return std::nullopt;
      if (ui_.BerekeningAfbreken) return std::nullopt;
      if (auto k = Beoordelen(e, kleinste, eerstePost)) return k;
      for (std::size_t c = 0; c < aantal; ++c)
        if (!cursors[c].Klaar() && cursors[c].Index() == kleinste) cursors[c].Volgende();
      if (wildcard != wildcards_.end() && *wildcard == kleinste) ++wildcard;
    }
  }

  // The keys of an end with one wildcard are many, and the registrations under each few: they
  // are gathered within the scan and looked at in list order.
  std::optional<RKandidaat> EersteVanVullingen(std::size_t e, std::size_t laatste, int eerstePost) const {
    const auto volgendeIndex = static_cast<std::uint32_t>(e + 1);
    const std::size_t grens = std::min(laatste, lijst_.size() - 1);
    verzameld_.clear();
    sleutels_.clear();
    if (wildcardsApart_) {
      // The plates without wildcards through the choices of positions that miss the wildcard;
      // the other plates with one wildcard through choices of one position fewer, since their
      // own wildcard may lie elsewhere.
      const unsigned wild = Wildcardposities(plan_, werk_[e].kenmerk);
      for (std::uint8_t keuze : keuzes_)
        if (!(keuze & wild))
          if (const auto sleutel = Sleutel(werk_[e].kenmerk, {keuze, false})) sleutels_.push_back(*sleutel);
      keuzeIndex_.Verzamelen(sleutels_, volgendeIndex, static_cast<std::uint32_t>(grens), verzameld_);
      sleutels_.clear();
      for (std::uint8_t keuze : kleineKeuzes_)
        if (!(keuze & wild))
          if (const auto sleutel = Sleutel(werk_[e].kenmerk, {keuze, false})) sleutels_.push_back(*sleutel);
      onderlingIndex_.Verzamelen(sleutels_, volgendeIndex, static_cast<std::uint32_t>(grens), verzameld_);
      for (auto w = std::lower_bound(eenWildcard_.begin(), eenWildcard_.end(), volgendeIndex);
           w != eenWildcard_.end() && *w <= grens; ++w)
        verzameld_.push_back(*w);
      // Swapped pairs through the fillings of the unordered pairs.
      sleutels_.clear();
      SleutelsVan(werk_[e].kenmerk, [&](std::uint64_t sleutel) { sleutels_.push_back(sleutel); });
      index_.Verzamelen(sleutels_, volgendeIndex, static_cast<std::uint32_t>(grens), verzameld_);
    } else {
      SleutelsVan(werk_[e].kenmerk, [&](std::uint64_t sleutel) { sleutels_.push_back(sleutel); });
      index_.Verzamelen(sleutels_, volgendeIndex, static_cast<std::uint32_t>(grens), verzameld_);
    }
    for (auto w = std::lower_bound(wildcards_.begin(), wildcards_.end(), volgendeIndex);
         w != wildcards_.end() && *w <= grens; ++w)
      verzameld_.push_back(*w);
    std::sort(verzameld_.begin(), verzameld_.end());
    verzameld_.erase(std::unique(verzameld_.begin(), verzameld_.end()), verzameld_.end());
    for (std::uint32_t j : verzameld_) {
      if (ui_.BerekeningAfbreken) return std::nullopt;
      if (auto k = Beoordelen(e, j, eerstePost)) return k;
    }
    return std::nullopt;
  }

  RIteratieOpdracht& o_;
  std::vector<RRegistratie>& lijst_;
  Gebruikersinterface& ui_;
  const RSleutelplan plan_;
  const Doorrijtijdparen paren_;
  std::vector<RWerkregistratie> werk_;
  Scangrens grens_;
  Sleutelindex index_;
  // With keys over choices of single positions the plates with one wildcard are kept apart:
  // found by the choices of positions that they and the plates without wildcards agree on.
  const bool wildcardsApart_ = plan_.metWildcards && plan_.positievormen && WildcardKeuze(plan_) >= 1;
  const bool wildcardsOverAlles_ = plan_.metWildcards && plan_.positievormen && WildcardKeuze(plan_) < 1;
  const std::vector<std::uint8_t> keuzes_ =
      wildcardsApart_ ? Positiekeuzes(plan_.vergeleken, WildcardKeuze(plan_)) : std::vector<std::uint8_t>{};
  // Two plates with one wildcard each, in different places, agree on one position fewer.
  const std::vector<std::uint8_t> kleineKeuzes_ = wildcardsApart_ && WildcardKeuze(plan_) >= 2
                                                      ? Positiekeuzes(plan_.vergeleken, WildcardKeuze(plan_) - 1)
                                                      : std::vector<std::uint8_t>{};
  Sleutelindex keuzeIndex_;                    // plates without wildcards, by every choice of positions
  Sleutelindex wildcardIndex_;                 // plates with one wildcard, by the choices that miss it
  Sleutelindex onderlingIndex_;                // the same by the smaller choices, for their own kind
  std::vector<std::uint32_t> eenWildcard_;     // the candidates with one wildcard, without smaller choices
  std::vector<std::uint32_t> wildcards_;       // candidates with more than one wildcard
  std::array<std::vector<int>, 3> vullingen_;  // per pair: what a wildcard is filled with
  std::vector<RRegistratie> punten_;           // the route under construction
  mutable std::vector<std::uint32_t> verzameld_;
  mutable std::vector<std::uint64_t> sleutels_;  // the gathered candidates of an end
  std::vector<std::uint32_t> gebruiktSindsOpschonen_;
  std::vector<bool> opgeschoond_ = std::vector<bool>(lijst_.size());  // taken out by a memory clearing
};

class SnelleZoeker : public Routezoeker {
 public:
  void IteratieUitvoeren(RIteratieOpdracht& opdracht) override { Iteratiezoeker(opdracht).Uitvoeren(); }
};

}  // namespace

std::unique_ptr<Routezoeker> SnelleRoutezoeker() { return std::make_unique<SnelleZoeker>(); }

}  // namespace morvask
