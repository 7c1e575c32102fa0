#pragma once
// Fixed-capacity single-byte texts: the post, time, type and plate fields of posts and
// registrations. Assigning a longer value keeps its first N bytes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvask {

template <std::size_t N>
class KorteTekst {
  static_assert(N > 0 && N < 256);

 public:
  KorteTekst() = default;
  KorteTekst(std::string_view s) { assign(s); }  // NOLINT: implicit, like the stored field
  KorteTekst(const char* s) { assign(std::string_view(s)); }
  KorteTekst(const std::string& s) { assign(s); }

  KorteTekst& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  KorteTekst& operator=(const char* s) {
    assign(std::string_view(s));
    return *this;
  }
  KorteTekst& operator=(const std::string& s) {
    assign(s);
    return *this;
  }

  static constexpr std::size_t capaciteit() { return N; }
  std::size_t size() const { return len_; }
  bool empty() const { return len_ == 0; }
  char operator[](std::size_t i) const { return data_[i]; }
  std::string_view view() const { return {data_.data(), len_}; }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const { return view(); }  // NOLINT

  friend bool operator==(const KorteTekst& a, const KorteTekst& b) { return a.view() == b.view(); }
  friend bool operator==(const KorteTekst& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const KorteTekst& a, const char* b) { return a.view() == std::string_view(b); }
  friend auto operator<=>(const KorteTekst& a, const KorteTekst& b) { return a.view() <=> b.view(); }

 private:
  void assign(std::string_view s) {
    len_ = static_cast<std::uint8_t>(std::min(s.size(), N));
    std::copy_n(s.data(), len_, data_.data());
  }

  std::array<char, N> data_{};
  std::uint8_t len_ = 0;
};

// A field as the fixed-width text form gives it back: a full-width field unchanged, a shorter
// one without the trailing spaces that padded it to its width.
template <std::size_t N>
std::string_view ZonderOpvulling(const KorteTekst<N>& veld) {
  std::string_view v = veld.view();
  if (v.size() == N) return v;
  while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
  return v;
}

}  // namespace morvask
