#pragma once
// File access for the library. A file name is not a text of the survey: it holds the
// system's bytes, as the command line or the file dialog gave them, and goes to the file
// system unchanged. Only to be shown (in a message, a report) is it converted to a
// Windows-1252 text (PadVoorWeergave).
//
// Every file the program writes goes through the atomic writer: the content goes to a
// temporary sibling of the target with a fixed name (".NAME.morvask-tmp"), which is renamed
// over the target when complete, so a crash or a full disk never leaves half a file. A
// symbolic link is followed: the link's target is written, beside the target, and the link
// stays. A sibling that a killed run left behind is removed by the next write of the file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvask {

// A file name as a path of the file system and back: the same bytes.
std::filesystem::path NaarPad(std::string_view bestandsnaam);
std::string VanPad(const std::filesystem::path& pad);

// A file name as a Windows-1252 text, to be shown: UTF-8 converted ("?" for a character that
// Windows-1252 cannot hold, and for bytes that are no UTF-8).
std::string PadVoorWeergave(std::string_view bestandsnaam);

bool BestandBestaat(std::string_view bestandsnaam);
bool MapBestaat(std::string_view map);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> BestandLezen(std::string_view bestandsnaam);

// Splits a text into lines ended by LF or CR LF; a lone CR is an ordinary character. A final
// line without line end counts; a text that ends with a line end has no empty line after it.
std::vector<std::string> RegelsSplitsen(std::string_view tekst);
// The same lines as views into the text, for readers of large files: no line is copied. The
// views are valid as long as the text is.
std::vector<std::string_view> RegelsDelen(std::string_view tekst);

// Joins lines, each followed by CR LF.
std::string RegelsSamenvoegen(const std::vector<std::string>& regels);

// How the atomic writer treats the target.
struct RSchrijfwijze {
  // Follow a symbolic link at the target's name (the link's target is written). Off for files
  // in a folder that others may write in (a backup folder of the user's choice): a link
  // planted there is replaced by the file, never written through.
  bool KoppelingVolgen = true;
  // Only the owner may read and write the new file (files that hold registrations outside
  // the project). Otherwise a new file gets the usual permissions (0666 less the umask) and a
  // replaced file keeps the permissions it had.
  bool Prive = false;
};

// A file written whole or not at all, in two steps: Openen makes every check and creates the
// temporary sibling (so a failure to create the file is known before any work is done);
// Schrijven appends to it; Voltooien forces it to disk and renames it over the target. Until
// then the target is untouched; a value destroyed before Voltooien removes its sibling.
class AtomischBestand {
 public:
  AtomischBestand() = default;
  ~AtomischBestand();
  AtomischBestand(const AtomischBestand&) = delete;
  AtomischBestand& operator=(const AtomischBestand&) = delete;

  // False when the file cannot be written: an empty name, a folder as target, a read-only
  // target, a folder that is missing or not writable, or another writer busy with the same
  // file at this moment.
  bool Openen(std::string_view bestandsnaam, RSchrijfwijze wijze = {});
  bool Schrijven(std::string_view inhoud);
  bool Voltooien();
  // Removes the sibling without touching the target.
  void Afbreken();

  bool Open() const { return fd_ >= 0; }
  // The file that is written: the target of a symbolic link that was followed.
  const std::filesystem::path& Doel() const { return doel_; }

 private:
  int fd_ = -1;
  bool goed_ = false;
  std::filesystem::path doel_, tijdelijk_;
  bool bestond_ = false;
  unsigned rechten_ = 0;
};

// The temporary sibling of a target: ".NAME.morvask-tmp" in the target's folder.
std::filesystem::path TijdelijkeNaamBij(const std::filesystem::path& doel);

// The file a name refers to: a symbolic link followed to its final target (a relative link
// from the link's folder); the name itself when it is no link.
std::filesystem::path KoppelingVolgen(const std::filesystem::path& pad);

// Writes the file whole or not at all; false when it could not be written. An existing
// target that is read-only is left as it is (false); a replaced target keeps its permissions.
bool BestandAtomischSchrijven(std::string_view bestandsnaam, std::string_view inhoud, RSchrijfwijze wijze = {});
bool RegelsAtomischSchrijven(std::string_view bestandsnaam, const std::vector<std::string>& regels,
                             RSchrijfwijze wijze = {});

// The name without its extension (the folder part keeps its dots).
std::string ZonderExtensie(std::string_view bestandsnaam);
// The extension with its dot, or empty.
std::string Extensie(std::string_view bestandsnaam);
// The last part of the name (after the last separator).
std::string AlleenNaam(std::string_view bestandsnaam);

}  // namespace morvask
