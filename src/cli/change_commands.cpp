// The commands that change a project: import-csv, import-project, shift-times and sort. Each
// reads the project, changes it as the windowed command does and saves it as "Project
// op&slaan" does (backups as the settings say), or under --save-as FILE as "Project
// o&pslaan als..." does. A failure writes nothing.

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/environment.h"
#include "core/files.h"
#include "core/project_file.h"
#include "core/registration_list.h"
#include "core/text_utils.h"
#include "registrations/csv_import.h"
#include "registrations/project_import.h"
#include "registrations/time_correction.h"

namespace morvask::cli {

namespace {

const OptieDefinitie OpslaanAls{"save-as", 0, true};
const OptieDefinitie Forceren{"force", 0, false};

// Saves the changed project: back to the file it was read from, or under --save-as, with
// ".mpr" appended unless the name ends in exactly ".mpr", asking before overwriting.
bool Opslaan(Omgeving& o, const Argumenten& a) {
  if (const auto als = a.Waarde("save-as")) {
    std::string naam = Argument(*als);
    if (Extensie(naam) != Projectextensie) naam += Projectextensie;
    return ProjectOpslaanMetBevestiging(o.ctx, naam);
  }
  return ProjectSchrijven(o.ctx, o.project.Projectbestandsnaam + Projectextensie);
}

// Reads PROJECT (the first argument), runs the change and saves; the exit status.
int Wijzigen(const Argumenten& a, const std::function<bool(Omgeving&)>& wijziging) {
  return MetProject(a, Argument(a.posities[0]), a.Heeft("force"), [&](Omgeving& o) {
    if (!wijziging(o)) return kMislukt;
    return Opslaan(o, a) ? kKlaar : kMislukt;
  });
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
  velden.Bestand = Argument(a.posities[1]);
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
  return Wijzigen(a, [&](Omgeving& o) { return CsvImporteren(o.ctx, velden); });
}

int ProjectImport(const Argumenten& a) {
  const std::string ander = Argument(a.posities[1]);
  return Wijzigen(a, [&](Omgeving& o) {
    AnderProjectImportAankondigen(o.ctx);
    return RegistratiesUitAnderProjectImporteren(o.ctx, ander);
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
  return Wijzigen(a, [&](Omgeving& o) {
    if (TijdenRegistratiesWijzigen(o.ctx, velden)) return true;
    std::fprintf(stderr, "morvask-cli: the project has no post '%s'\n", VoorTerminal(velden.Post).c_str());
    return false;
  });
}

int Sorteren(const Argumenten& a) {
  const auto volgorde = a.Waarde("order");
  if (!volgorde || (*volgorde != "PTK" && *volgorde != "KTP" && *volgorde != "TPK" && *volgorde != "VPT"))
    return GebruikFout("sort needs --order PTK, KTP, TPK or VPT");
  return Wijzigen(a, [&](Omgeving& o) { return RegistratiesSorteren(o.project, *volgorde); });
}

}  // namespace

std::vector<Opdracht> WijzigOpdrachten() {
  return {
      {"import-csv",
       "import-csv PROJECT CSVFILE [--separator C] [--quote C] [--save-as FILE] [--force]",
       "append the registrations of a CSV file (\"&CSV-import...\")",
       2,
       false,
       {{"separator", 0, true}, {"quote", 0, true}, OpslaanAls, Forceren},
       CsvImport},
      {"import-project",
       "import-project PROJECT OTHERPROJECT [--save-as FILE] [--force]",
       "append the registrations of another project (\"Uit ander &Morvask-project...\")",
       2,
       false,
       {OpslaanAls, Forceren},
       ProjectImport},
      {"shift-times",
       "shift-times PROJECT --post CODE --minutes N [--save-as FILE] [--force]",
       "shift the times of one post's registrations (\"Tijden registraties wij&zigen...\")",
       1,
       false,
       {{"post", 0, true}, {"minutes", 0, true}, OpslaanAls, Forceren},
       TijdenVerschuiven},
      {"sort",
       "sort PROJECT --order PTK|KTP|TPK|VPT [--save-as FILE] [--force]",
       "sort the registrations as the registration editor does",
       1,
       false,
       {{"order", 0, true}, OpslaanAls, Forceren},
       Sorteren},
  };
}

}  // namespace morvask::cli
