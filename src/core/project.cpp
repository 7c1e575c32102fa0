#include "core/project.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "base/catalogue.h"
#include "base/user_interface.h"
#include "core/text_utils.h"

namespace morvask {

std::string* RProjectgegevens::VoertuigtypeNaam(char letter) {
  switch (letter) {
    case 'a':
      return &VehTypea;
    case 'l':
      return &VehTypel;
    case 'm':
      return &VehTypem;
    case 'z':
      return &VehTypez;
    case 'b':
      return &VehTypeb;
    case 'o':
      return &VehTypeo;
    case 'u':
      return &VehTypeu;
    case 'r':
      return &VehTyper;
    default:
      return nullptr;
  }
}

const std::string* RProjectgegevens::VoertuigtypeNaam(char letter) const {
  return const_cast<RProjectgegevens*>(this)->VoertuigtypeNaam(letter);
}

std::string RRegistratie::Regel() const {
  std::string r;
  r.reserve(20);
  RegelToevoegenAan(r);
  return r;
}

void RRegistratie::RegelToevoegenAan(std::string& uit) const {
  // Post, time and type are padded to their widths, so that a short field never shifts the
  // fields after it away from the positions readers cut at.
  const auto veld = [&uit](std::string_view waarde, std::size_t breedte) {
    uit += waarde;
    uit.append(breedte - waarde.size(), ' ');
  };
  veld(Post.view(), 6);
  uit += ' ';
  veld(Tijd.view(), 4);
  uit += ' ';
  veld(Voertuigtype.view(), 1);
  uit += ' ';
  uit += Kenteken.view();
}

RRegistratie RRegistratie::UitRegel(std::string_view regel) {
  return RRegistratie(Deel(regel, 1, 6), Deel(regel, 8, 4), Deel(regel, 13, 1), Deel(regel, 15, 6));
}

void Project::PostToevoegen(std::string_view postcode, std::string_view omschrijving) {
  RWaarnemingspost p;
  p.Postcode = postcode;
  p.Omschrijving = omschrijving;
  p.Geselecteerd = true;
  Postlijst.push_back(p);
}

void Project::RegistratieToevoegen(std::string_view post, std::string_view tijd, std::string_view type,
                                   std::string_view kenteken) {
  Registratielijst.emplace_back(post, tijd, type, kenteken);
}

void Project::NieuwProject(const Catalogus& cat, std::string_view naamloos, std::string_view datum) {
  Postlijst.clear();
  Doorrijtijdentabel.clear();
  Registratielijst.clear();
  Aantekeningen.clear();
  Projectbestandsnaam = std::string(naamloos);
  OnherkendeKop = {};
  RProjectgegevens g;
  g.Projectomschrijving = cat["AA00168"];
  g.ProjectRapporttekst1 = cat["AA00169"];
  g.ProjectRapporttekst2 = std::string(datum);
  g.VehTypea = cat["AA00170"];
  g.VehTypel = cat["AA00171"];
  g.VehTypem = cat["AA00172"];
  g.VehTypez = cat["AA00173"];
  g.VehTypeb = cat["AA00174"];
  g.VehTypeo = cat["AA00175"];
  g.VehTypeu = cat["AA00176"];
  g.VehTyper = cat["AA00177"];
  Gegevens = std::move(g);
}

void Project::MarkeerGewijzigd(Gebruikersinterface& ui) {
  Gegevens.ProjectgegevensbestandGewijzigd = true;
  ui.InMenuChecken(mcOpslaan);
}

std::string VandaagTekst() {
  const std::time_t nu = std::time(nullptr);
  std::tm tm{};
  localtime_r(&nu, &tm);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
  return buf;
}

}  // namespace morvask
