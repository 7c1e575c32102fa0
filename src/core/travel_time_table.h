#pragma once
// The travel-time table: one line per ordered pair of posts that can form a route leg,
// "001-ki 002-ku 15   3   " (origin 1-6, destination 8-13, maximum 15-18, minimum 20-23),
// and the rebuild that brings it in line with the post list.

#include <string>
#include <string_view>

#include "core/project.h"

namespace morvask {

// A post whose code's sixth character is "i", "1" or "2" can start a leg; one whose sixth
// character is "u", "1" or "2" can end one.
bool IsHerkomstpost(std::string_view postcode);
bool IsBestemmingspost(std::string_view postcode);

// A post code as positions 1-6 of a table line hold it: cut or padded with spaces to six.
std::string PostcodeVeld(std::string_view code);

// A table line: both codes padded to six characters, maximum and minimum left-aligned in
// four characters (longer values cut to four).
std::string DoorrijtijdRegel(std::string_view van, std::string_view naar, std::string_view maximum,
                             std::string_view minimum);

// Brings the post list into ascending order of "code description", comparing without ASCII
// letter case and keeping the order of equal texts; every post comes back selected.
void PostlijstSorteren(Project& project);

// Re-sorts the post list and rebuilds the table: a line for every origin and every other
// destination, in post-list order. The values of an existing line of the pair (the first one)
// are taken over; a new pair gets the observation interval as maximum and 0 as minimum.
void DoorrijtijdentabelBijwerken(Project& project);

}  // namespace morvask
