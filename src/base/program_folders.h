#pragma once
// The folders the program determines once when it starts. On Linux "\" is the native
// separator "/"; the Windows and system folders do not apply.

#include <string>

namespace morvask {

inline constexpr char Scheidingsteken = '/';

struct Mappen {
  std::string Tijdelijk;         // the user's temporary folder, with a trailing separator
  std::string Reservebestanden;  // the default backup folder, with a trailing separator
  std::string Programma;         // the folder holding Lng/, Hlp/ and LeesMij.txt, with a trailing separator
  std::string Windows;           // empty on Linux
  std::string Systeem;           // empty on Linux
  std::string Programmapad;      // full path of the program file
};

}  // namespace morvask
