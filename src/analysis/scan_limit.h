#pragma once
// Where the scan for a route end stops: at the first registration after the end, among those
// still in the list, whose time lies further from the end's time than the largest maximum
// travel time from the end's post. The times are kept in a maximum tree, so that the answer
// takes a logarithmic number of steps, also when the times in the list do not rise
// everywhere; registrations that are removed from the list leave the tree.

#include <cstddef>
#include <vector>

namespace morvask {

class Scangrens {
 public:
  explicit Scangrens(const std::vector<int>& minuten);

  // The registration leaves the list: it no longer stops a scan.
  void Verwijderen(std::size_t index);
  // The first index at or after `vanaf` of a registration still in the list whose minutes
  // exceed `grens`; the list's size when there is none.
  std::size_t EersteBoven(std::size_t vanaf, long grens) const;

 private:
  std::size_t aantal_ = 0;
  std::size_t breedte_ = 1;  // the number of leaves, a power of two
  std::vector<int> boom_;    // boom_[1] the root, leaves from breedte_
};

}  // namespace morvask
