// The commands that change a project: import-csv, import-project, shift-times and sort. Each
// reads the project, changes it as the windowed command does and saves it as "Project
// op&slaan" does (backups as the settings say), or under --save-as FILE as "Project
// o&pslaan als..." does. A failure writes nothing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/environment.h"
#include "cli/terminal_ui.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/project_lock.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "registrations/csv_import.h"
#include "registrations/project_import.h"
#include "registrations/time_correction.h"

namespace morvask::cli {

namespace {

const OptieDefinitie OpslaanAls{"save-as", 0, "FILE",
                                "write the changed project to FILE (.mpr appended unless the name ends in exactly "
                                ".mpr), as \"Project opslaan als...\" does",
                                "back to PROJECT, as \"Project opslaan\" does, with the backups the settings ask for"};
const OptieDefinitie Forceren{"force", 0, "", "answers \"Overschrijven\" when the --save-as FILE exists",
                              "the question is refused"};

// The file the changed project is written to: --save-as FILE, with ".mpr" appended unless
// the name ends in exactly ".mpr", or the project file itself (any extension of the argument
// replaced by ".mpr", as the reader does).
std::string Opslagbestand(const Argumenten& a) {
  if (const auto als = a.Waarde("save-as")) {
    std::string naam = PadArgument(*als);
    if (Extensie(naam) != Projectextensie) naam += Projectextensie;
    return naam;
  }
  return ZonderExtensie(PadArgument(a.posities[0])) + Projectextensie;
}

// Saves the changed project: back to the file it was read from, or under --save-as, asking
// before overwriting. The name of the file written, or nothing.
std::optional<std::string> Opslaan(Omgeving& o, const Argumenten& a) {
  if (a.Waarde("save-as")) {
    const std::string naam = Opslagbestand(a);
    if (!ProjectOpslaanMetBevestiging(o.ctx, naam)) return std::nullopt;
    return naam;
  }
  const std::string naam = o.project.Projectbestandsnaam + Projectextensie;
  if (!ProjectSchrijven(o.ctx, naam)) return std::nullopt;
  return naam;
}

// When a file was last changed; nothing when it is not there.
std::optional<std::filesystem::file_time_type> Wijzigingstijd(const std::string& bestand) {
  std::error_code ec;
  const auto t = std::filesystem::last_write_time(NaarPad(bestand), ec);
  if (ec) return std::nullopt;
  return t;
}

// Reads PROJECT (the first argument), runs the change and saves; the exit status. The change
// says what it changed (nothing when it failed), and that is the word on success, with where
// the project was written and the time taken. The file to be written is locked from before
// the reading to after the writing, so that two commands never lose each other's change; a
// command that finds it locked by another waits a moment, then ends and changes nothing.
int Wijzigen(const Argumenten& a, const std::function<std::optional<std::string>(Omgeving&)>& wijziging) {
  const auto begin = std::chrono::steady_clock::now();
  Projectslot slot;
  return MetProject(
      a, PadArgument(a.posities[0]), a.Heeft("force"),
      [&](Omgeving& o) {
        const std::optional<std::string> gewijzigd = wijziging(o);
        if (!gewijzigd) return kMislukt;
        const std::string nieuwste = Reservebestandsnaam(Reservemap(o.ctx), 1);
        const auto voor = Wijzigingstijd(nieuwste);
        const std::optional<std::string> bestand = Opslaan(o, a);
        if (!bestand) return kMislukt;
        std::string waar = "project written to " + *bestand + " in " + Duur(std::chrono::steady_clock::now() - begin);
        const auto na = Wijzigingstijd(nieuwste);
        if (!o.ctx.instellingen.ReservebestandMaken)
          waar += "; no backup (the settings switch backups off)";
        else if (na && na != voor)
          waar += "; the previous version backed up as " + nieuwste;
        else if (na)
          waar += "; the previous version is already the newest backup, " + nieuwste;
        Samenvatting(a, *gewijzigd + "; " + waar);
        return kKlaar;
      },
      [&](Omgeving& o) { return ProjectVergrendelen(o.ctx, slot, Opslagbestand(a)); });
}

// The change of a command that adds registrations: how many it added, or nothing.
std::optional<std::string> Toegevoegd(Omgeving& o, bool gelukt, std::size_t voor, const std::string& bron) {
  if (!gelukt) return std::nullopt;
  return Aantal(static_cast<long long>(o.project.Registratielijst.size() - voor), "registration") + " imported from " +
         bron;
}

// One character as a Windows-1252 text, or nothing when the argument is not exactly one
// character that Windows-1252 can hold.
std::optional<std::string> EenTeken(const std::string& utf8) {
  const std::string teken = Argument(utf8);
  if (teken.size() != 1 || (teken == "?" && utf8 != "?")) return std::nullopt;
  return teken;
}

int CsvImport(const Argumenten& a) {
  RCsvImportVelden velden;
  velden.Bestand = PadArgument(a.posities[1]);
  if (const auto s = a.Waarde("separator")) {
    const auto teken = EenTeken(*s);
    if (!teken) return GebruikFout("--separator takes exactly one character");
    velden.Scheidingsteken = *teken;
  }
  if (const auto q = a.Waarde("quote")) {
    const auto teken = q->empty() ? std::optional<std::string>("") : EenTeken(*q);
    if (!teken) return GebruikFout("--quote takes one character or nothing");
    velden.Veldmarkering = *teken;
  }
  return Wijzigen(a, [&](Omgeving& o) {
    const std::size_t voor = o.project.Registratielijst.size();
    return Toegevoegd(o, CsvImporteren(o.ctx, velden), voor, velden.Bestand);
  });
}

int ProjectImport(const Argumenten& a) {
  const std::string ander = PadArgument(a.posities[1]);
  return Wijzigen(a, [&](Omgeving& o) {
    AnderProjectImportAankondigen(o.ctx);
    const std::size_t voor = o.project.Registratielijst.size();
    return Toegevoegd(o, RegistratiesUitAnderProjectImporteren(o.ctx, ander), voor, ander);
  });
}

int TijdenVerschuiven(const Argumenten& a) {
  const auto post = a.Waarde("post");
  const auto minuten = a.Waarde("minutes");
  if (!post || !minuten) return GebruikFout("shift-times needs --post CODE and --minutes N");
  int n = 0;
  if (!ProbeerGetal(*minuten, n) || n == 0 || n < -MaximaleTijdverschuiving || n > MaximaleTijdverschuiving)
    return GebruikFout("--minutes takes a whole number from -30000 to 30000, not 0");
  RTijdenWijzigenVelden velden;
  velden.Post = Argument(*post);
  velden.Verhogen = n > 0;
  velden.Minuten = n > 0 ? n : -n;
  return Wijzigen(a, [&](Omgeving& o) -> std::optional<std::string> {
    // The registrations whose time the shift can move: those of the post with four digits.
    const auto& lijst = o.project.Registratielijst;
    const auto verschoven = std::count_if(lijst.begin(), lijst.end(), [&](const RRegistratie& r) {
      return r.Post.view() == velden.Post && TijdVerschuiven(r.Tijd.view(), 0).has_value();
    });
    if (!TijdenRegistratiesWijzigen(o.ctx, velden)) {
      Opmerking("the project has no post '" + VoorTerminal(velden.Post) + "'");
      return std::nullopt;
    }
    return "the times of " + Aantal(verschoven, "registration") + " at " + VoorTerminal(velden.Post) + " shifted " +
           Aantal(velden.Minuten, "minute") + (velden.Verhogen ? " later" : " earlier");
  });
}

int Sorteren(const Argumenten& a) {
  const auto volgorde = a.Waarde("order");
  if (!volgorde || (*volgorde != "PTK" && *volgorde != "KTP" && *volgorde != "TPK" && *volgorde != "VPT"))
    return GebruikFout("sort needs --order PTK, KTP, TPK or VPT");
  return Wijzigen(a, [&](Omgeving& o) -> std::optional<std::string> {
    if (!RegistratiesSorteren(o.project, *volgorde)) return std::nullopt;
    return Aantal(static_cast<long long>(o.project.Registratielijst.size()), "registration") + " sorted in the order " +
           *volgorde;
  });
}

}  // namespace

std::vector<Opdracht> WijzigOpdrachten() {
  const std::string opslaan =
      " The project is written back as \"Project opslaan\" does (with the backups the settings ask for), or to "
      "--save-as FILE; on success what changed and where the project was written are named on standard error. A "
      "failure writes nothing. From reading to writing the project is locked (the lock file .~lock.NAME.mpr# beside "
      "it); a project that another program holds locked is left as it is, with a message naming the holder.";
  return {
      {"import-csv",
       "import-csv PROJECT CSVFILE [--separator C] [--quote C] [--save-as FILE] [--force]",
       "append the registrations of a CSV file (\"CSV-import...\")",
       "Appends the registrations of a CSV file, one per line: post, time, vehicle type, plate (\"CSV-import...\")." +
           opslaan,
       2,
       false,
       false,
       {{"separator", 0, "C", "the field separator, exactly one character", ";"},
        {"quote", 0, "C", "the quote around fields, one character, or empty for fields without quotes",
         "the double quote"},
        OpslaanAls,
        Forceren},
       CsvImport},
      {"import-project",
       "import-project PROJECT OTHERPROJECT [--save-as FILE] [--force]",
       "append the registrations of another project (\"Uit ander Morvask-project...\")",
       "Appends the registrations of another project file (\"Uit ander Morvask-project...\")." + opslaan,
       2,
       false,
       false,
       {OpslaanAls, Forceren},
       ProjectImport},
      {"shift-times",
       "shift-times PROJECT --post CODE --minutes N [--save-as FILE] [--force]",
       "shift the times of one post's registrations (\"Tijden registraties wijzigen...\")",
       "Shifts the time of every registration of one post by a number of minutes, wrapping around midnight "
       "(\"Tijden registraties wijzigen...\")." +
           opslaan,
       1,
       false,
       false,
       {{"post", 0, "CODE", "the post whose registrations are shifted, its code exactly (letter case counts); required",
         ""},
        {"minutes", 0, "N",
         "the shift in minutes, from -30000 to 30000 and not 0: above 0 later (\"verhogen\"), below 0 earlier "
         "(\"verlagen\"); required",
         ""},
        OpslaanAls,
        Forceren},
       TijdenVerschuiven},
      {"sort",
       "sort PROJECT --order PTK|KTP|TPK|VPT [--save-as FILE] [--force]",
       "sort the registrations as the registration editor does",
       "Sorts the registrations in one of the registration editor's orders." + opslaan,
       1,
       false,
       false,
       {{"order", 0, "PTK|KTP|TPK|VPT",
         "the order: P post, T time, K plate, V vehicle type, the first letter the first key; required", ""},
        OpslaanAls,
        Forceren},
       Sorteren},
  };
}

}  // namespace morvask::cli
