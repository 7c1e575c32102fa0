#include "analysis/scan_limit.h"

#include <algorithm>
#include <limits>

namespace morvask {
namespace {
constexpr int Weg = std::numeric_limits<int>::min();
}

Scangrens::Scangrens(const std::vector<int>& minuten) : aantal_(minuten.size()) {
  while (breedte_ < aantal_) breedte_ *= 2;
  boom_.assign(2 * breedte_, Weg);
  for (std::size_t i = 0; i < aantal_; ++i) boom_[breedte_ + i] = minuten[i];
  for (std::size_t i = breedte_ - 1; i >= 1; --i) boom_[i] = std::max(boom_[2 * i], boom_[2 * i + 1]);
}

void Scangrens::Verwijderen(std::size_t index) {
  std::size_t i = breedte_ + index;
  boom_[i] = Weg;
  for (i /= 2; i >= 1; i /= 2) boom_[i] = std::max(boom_[2 * i], boom_[2 * i + 1]);
}

std::size_t Scangrens::EersteBoven(std::size_t vanaf, long grens) const {
  if (vanaf >= aantal_) return aantal_;
  std::size_t i = breedte_ + vanaf;
  // Right along the tree until a subtree holds a larger time ...
  while (boom_[i] <= grens) {
    while (i & 1) i /= 2;  // a right child: its parent's range is done too
    if (i == 0) return aantal_;
    ++i;
  }
  // ... then down to its first leaf that does.
  while (i < breedte_) {
    i *= 2;
    if (boom_[i] <= grens) ++i;
  }
  return i - breedte_;
}

}  // namespace morvask
