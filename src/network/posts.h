#pragma once
// The rules of the post list window and the post dialog: the number field, accepting a new or
// changed post, deleting a post with its registrations, the refill of the list and the close
// that rebuilds the travel-time table. A window only collects its fields and calls these.
//
// A post code is a three-digit number, "-" and a type: "-ki" cordon inbound, "-ku" cordon
// outbound, "-t1" and "-t2" intermediate post in driving direction 1 or 2.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/context.h"
#include "core/project.h"

namespace morvask {

// The type choice of the post dialog. Each of the two groups keeps its own choice while the
// other main type is chosen.
struct RPosttypeKeuze {
  bool Tussenpost = false;      // "&Tussenpost:", else "&Kordonpost:"
  bool KordonUitgaand = false;  // "Kordon &uitgaand", else "Kordon &ingaand"
  bool Rijrichting2 = false;    // "Rijrichting &2", else "Rijrichting &1"

  // "-ki", "-ku", "-t1" or "-t2".
  std::string Achtervoegsel() const;
};

// What the post dialog keeps between openings: its number field and its type choice (at
// first "001" and cordon inbound).
struct RPostdialoogStand {
  std::string Nummer = "001";
  RPosttypeKeuze Type;
};

// The mode of the post dialog, told by its accept button ("T&oevoegen" or "&Wijzigen").
enum class Postdialoogmodus { Toevoegen, Wijzigen };

// The post dialog's fields.
struct RPostdialoogVelden {
  Postdialoogmodus Modus = Postdialoogmodus::Toevoegen;
  std::string Nummer;
  std::string Omschrijving;
  RPosttypeKeuze Type;
  // Change mode: the list line (= index in the post list) of the post being changed.
  std::optional<std::size_t> Post;
};

// The dialog's fields for a new post: number and type as the dialog held them last, the
// description empty.
RPostdialoogVelden WnpNieuw(const RPostdialoogStand& stand);

// The dialog's fields for changing the selected post: number from code positions 1-3, the
// type from positions 5 and 6, its description. Without a selected post (or one beyond the
// list) shows "Geen waarnemingspost geselecteerd." and returns nothing.
std::optional<RPostdialoogVelden> WnpWijzigen(Context& ctx, const RPostdialoogStand& stand,
                                              std::optional<std::size_t> geselecteerd);

// What the dialog holds once it closes, accepted or not.
RPostdialoogStand PostdialoogStand(const RPostdialoogVelden& velden);

// A post number is exactly three digits, "000" to "999".
bool IsGeldigPostnummer(std::string_view nummer);
// Leaving the number field: a whole number 0..999 comes back with leading zeros to three
// digits ("7" gives "007"), anything else becomes "001".
std::string PostnummerOpmaken(std::string_view nummer);
// The spin button: one up or down, kept within 0..999, formatted as on leaving the field.
std::string PostnummerStap(std::string_view nummer, int stap);

struct RPostdialoogUitkomst {
  bool Geaccepteerd = false;  // the dialog closes; otherwise it stays open with its input
  RPostdialoogStand Stand;
};

// The accept button. Refuses with a message and changes nothing: an invalid number, a code
// another post has, in change mode a post that is not (or no longer) in the list. Add mode
// appends the post; change mode first shows that registrations move and travel times reset,
// then gives the post its new code and description and every registration of the old code
// the new code. Afterwards the post list is re-sorted, the travel-time table is brought in
// line with it (so a changed or re-used code starts from the default travel times), and the
// project is marked changed (menu code 11).
RPostdialoogUitkomst WnpAccepteren(Context& ctx, const RPostdialoogStand& stand, const RPostdialoogVelden& velden);

// "&Verwijderen...": asks, with the number of registrations of the post, whether the post
// and those registrations are to be deleted; only "&Verwijderen" deletes them, the other
// registrations keeping their order. Then the travel-time table is brought in line, the
// project is marked changed and menu codes 11, 21 and 31 are asked for. Without a selected
// post shows "Geen waarnemingspost geselecteerd.". Returns true when the post was deleted.
bool PostVerwijderen(Context& ctx, std::optional<std::size_t> geselecteerd);

// One line of the post list window: the code, two spaces, the description.
std::string PostlijstRegel(const RWaarnemingspost& post);
// The refill: re-sorts the post list (every post selected) and gives its lines.
std::vector<std::string> PostlijstVernieuwen(Project& project);
// The line to select again after a change: the remembered one when it is still in the list.
std::optional<std::size_t> TerugNaarGeselecteerde(std::optional<std::size_t> onthouden, std::size_t aantalRegels);

// "&Sluiten": rebuilds the travel-time table from the posts and asks for menu code 21.
void PostlijstSluiten(Context& ctx);

}  // namespace morvask
