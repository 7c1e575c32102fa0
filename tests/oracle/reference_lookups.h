#pragma once
// The travel-time lookups and the purge of the matching run as the straightforward search
// asks them, one line of the table at a time. The indexed search answers the same questions
// from its pair table (analysis/travel_time_pairs); these stay here as the reference.

#include <optional>
#include <string_view>

#include "core/project.h"

namespace morvask::test {

// Whether the later sighting at the destination can follow the earlier one at the origin:
// with d = minutes(later) - minutes(earlier), true when the pair's first line exists, its
// maximum is not 0, minimum <= d <= maximum and d >= 0. The difference does not wrap past
// midnight (2355 then 0005 is false). False when the pair has no line. Empty when the line's
// numbers or one of the two times is unreadable.
std::optional<bool> BinnenDoorrijtijden(const Project& project, std::string_view van, std::string_view naar,
                                        std::string_view eerdereTijd, std::string_view latereTijd);

// Whether the pair is blocked: false when controleren is off or the pair has no line; true
// when the first line's maximum is 0. Empty when that maximum is unreadable.
std::optional<bool> RelatieGeblokkeerd(const Project& project, bool controleren, std::string_view van,
                                       std::string_view naar);

// Removes every registration marked used; the tried mark of the kept ones survives. A field
// shorter than its width loses trailing spaces; every other field is kept as it is.
void GebruikteVerwijderenMetGeprobeerd(Project& project);

}  // namespace morvask::test
