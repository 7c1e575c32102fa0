#pragma once
// The time correction ("Tijden registraties wijzigen"): every registration of one post moves
// a fixed number of minutes later or earlier, wrapping around midnight, for an observer
// whose clock was off.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

struct Context;
struct Project;

// The largest shift the minutes field allows.
inline constexpr int MaximaleTijdverschuiving = 30000;

// The fields of the window.
struct RTijdenWijzigenVelden {
  std::string Post;      // the chosen post code; empty while none is chosen
  bool Verhogen = true;  // "ver&hogen" (later) or "ver&lagen" (earlier)
  int Minuten = 0;       // 0..30000
};

// The choices of the post list: the codes of the posts in post-list order.
std::vector<std::string> TijdenWijzigenPosten(const Project& project);

// Whether "&OK" is enabled: a post chosen and the minutes not 0.
bool TijdenWijzigenMogelijk(const RTijdenWijzigenVelden& velden);

// A four-digit hhmm time shifted by the minutes (negative: earlier), brought into one day:
// 2350 + 20 gives 0010, 0005 - 10 gives 2355. Empty when the time is not four digits.
std::optional<std::string> TijdVerschuiven(std::string_view tijd, int minuten);

// "&OK". Shifts the time of every registration of the chosen post, in list order, under the
// progress window "Wijzigen tijden..."; the list keeps its order and registrations of other
// posts are untouched. A registration whose time is not four digits keeps it, and one warning
// afterwards says how many did. The project is marked changed even when the post has no
// registrations. Returns false, changing and showing nothing, when the fields cannot come
// from the window: no post chosen, a code that is not in the post list, minutes outside
// 1..30000.
bool TijdenRegistratiesWijzigen(Context& ctx, const RTijdenWijzigenVelden& velden);

// The text of that warning in the current language, its count and post filled in.
std::string OvergeslagenTijdenTekst(const Context& ctx, std::string_view post, int aantal);

}  // namespace morvask
