#pragma once
// The travel-time table as the indexed route search reads it: the posts of the registrations
// numbered, and per pair of those numbers the first table line of the pair, read once. It
// answers as BinnenDoorrijtijden, RelatieGeblokkeerd and GrootsteMaximaleDoorrijtijd answer,
// without a walk through the table per question.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/project.h"

namespace morvask {

class Doorrijtijdparen {
 public:
  // Numbers the post codes of the registrations and reads the table.
  explicit Doorrijtijdparen(const Project& project);

  // The number of a registration's post code.
  int Postnummer(std::string_view post) const;

  // The largest maximum travel time from a post (0 when the table has no line from it).
  int GrootsteMaximum(int van) const { return grootsteMaximum_[static_cast<std::size_t>(van)]; }
  // True when the time difference in minutes fits the pair's line: it exists with readable
  // numbers, its maximum is not 0 and minimum <= verschil <= maximum with verschil >= 0.
  bool Past(int van, int naar, int verschil) const;
  // True when the pair's line exists and its maximum is 0 (or not readable).
  bool Geblokkeerd(int van, int naar) const;

 private:
  struct Paar {
    std::optional<int> maximum;
    std::optional<int> minimum;  // empty when not readable
  };
  static std::uint64_t Sleutel(int van, int naar) {
    return (std::uint64_t{static_cast<std::uint32_t>(van)} << 32) | static_cast<std::uint32_t>(naar);
  }
  const Paar* PaarVan(int van, int naar) const;

  std::unordered_map<std::string, int> nummers_;
  std::vector<int> grootsteMaximum_;
  std::unordered_map<std::uint64_t, Paar> paren_;
  // With few posts (as surveys have) the pairs are also laid out as a square table, which the
  // candidates of every route end are checked against: no hashing per candidate.
  std::size_t breedte_ = 0;
  std::vector<const Paar*> tabel_;
};

}  // namespace morvask
