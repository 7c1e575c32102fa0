#include "core/text_utils.h"

#include <algorithm>
#include <charconv>

namespace morvask {

std::string TekstUitlijnen(std::string_view uitlijning, std::string_view tekst, std::string_view vulling, int breedte) {
  if (breedte < 0) breedte = 0;
  const std::size_t b = static_cast<std::size_t>(breedte);
  if (tekst.size() > b) tekst = tekst.substr(0, b);
  if (vulling.empty()) vulling = " ";
  std::string uit;
  const std::size_t tekort = b - tekst.size();
  if (uitlijning == "L") {
    uit.assign(tekst);
    for (std::size_t i = 0; i < tekort; ++i) uit += vulling;
  } else if (uitlijning == "R") {
    for (std::size_t i = 0; i < tekort; ++i) uit += vulling;
    uit += tekst;
  } else if (uitlijning == "F") {
    for (std::size_t i = 0; i < b; ++i) uit += tekst;
  } else {
    return {};
  }
  if (breedte == 1) uit = uit.substr(0, 1);
  return uit;
}

void LijstOmkeren(std::vector<std::string>& regels) { std::reverse(regels.begin(), regels.end()); }

bool SleutelWaarde(std::string_view regel, std::string_view sleutel, std::string& waarde) {
  const std::size_t is = regel.find('=');
  if (is == std::string_view::npos) return false;
  if (!GelijkZonderHoofdletters(regel.substr(0, is), sleutel)) return false;
  waarde.assign(regel.substr(is + 1));
  return true;
}

bool SleutelGetal(std::string_view regel, std::string_view sleutel, int& waarde) {
  std::string tekst;
  if (!SleutelWaarde(regel, sleutel, tekst)) return false;
  waarde = NaarGetal(tekst, 0);
  return true;
}

char GroteLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char KleineLetter(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string InGroteLetters(std::string_view tekst) {
  std::string uit(tekst);
  for (char& c : uit) c = GroteLetter(c);
  return uit;
}

std::string InKleineLetters(std::string_view tekst) {
  std::string uit(tekst);
  for (char& c : uit) c = KleineLetter(c);
  return uit;
}

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (GroteLetter(a[i]) != GroteLetter(b[i])) return false;
  return true;
}

bool BegintMetZonderHoofdletters(std::string_view tekst, std::string_view begin) {
  return tekst.size() >= begin.size() && GelijkZonderHoofdletters(tekst.substr(0, begin.size()), begin);
}

std::string Bijsnijden(std::string_view tekst) {
  std::size_t b = 0, e = tekst.size();
  while (b < e && static_cast<unsigned char>(tekst[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(tekst[e - 1]) <= 0x20) --e;
  return std::string(tekst.substr(b, e - b));
}

bool ProbeerGetal(std::string_view tekst, int& waarde) {
  if (tekst.empty()) return false;
  std::size_t begin = 0;
  bool negatief = false;
  if (tekst[0] == '+' || tekst[0] == '-') {
    negatief = tekst[0] == '-';
    begin = 1;
  }
  if (begin == tekst.size()) return false;
  long long v = 0;
  for (std::size_t i = begin; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return false;
  }
  if (negatief) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  waarde = static_cast<int>(v);
  return true;
}

bool IsGeheelGetal(std::string_view tekst) {
  int w = 0;
  return ProbeerGetal(tekst, w);
}

int NaarGetal(std::string_view tekst, int standaard) {
  int w = 0;
  return ProbeerGetal(tekst, w) ? w : standaard;
}

std::string_view Deel(std::string_view tekst, std::size_t van, std::size_t aantal) {
  if (van < 1 || van > tekst.size()) return {};
  return tekst.substr(van - 1, aantal);
}

bool IsKop(std::string_view regel, std::string_view kop) {
  // Most lines of a file are no header at all: their first character tells.
  if (regel.empty() || kop.empty() || KleineLetter(regel[0]) != KleineLetter(kop[0]) || regel.size() < kop.size())
    return false;
  std::size_t lengte = regel.size();
  while (lengte > 0) {
    const auto c = static_cast<unsigned char>(regel[lengte - 1]);
    if (c > 0x20 && c != 0x7F && c != 0xA0) break;
    --lengte;
  }
  return GelijkZonderHoofdletters(regel.substr(0, lengte), kop);
}

}  // namespace morvask
