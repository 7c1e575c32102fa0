#pragma once
// What morvask-cli says of itself: the general help, each command's help with every option,
// its meaning and its default, and the manual page (troff), all made from the command and
// option definitions, so that they say the same.

#include <string>

#include "cli/commands.h"

namespace morvask::cli {

// morvask-cli --help: the commands and the options every command takes.
std::string AlgemeneHulp(const std::string& versie);

// morvask-cli COMMAND --help: the usage, the explanation and every option of the command.
std::string OpdrachtHulp(const Opdracht& opdracht);

// morvask-cli --man: the manual page morvask-cli(1) in troff (man/morvask-cli.1).
std::string Handleiding();

}  // namespace morvask::cli
