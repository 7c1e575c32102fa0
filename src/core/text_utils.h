#pragma once
// Small text and list helpers shared by every subsystem.

#include <string>
#include <string_view>
#include <vector>

namespace morvask {

// Pads a text to a field width. A text longer than the width is cut to its first width
// bytes; "L" appends the fill (width - length) times, "R" puts it in front, "F" repeats the
// text width times; an empty fill counts as one space; a width of 1 keeps only the first
// byte of the result; any other alignment gives an empty text.
std::string TekstUitlijnen(std::string_view uitlijning, std::string_view tekst, std::string_view vulling, int breedte);

// Reverses the order of the lines.
void LijstOmkeren(std::vector<std::string>& regels);

// When the part of the line before the first "=" equals the key (ASCII letter case ignored),
// sets the value to the text after the first "=" and returns true; otherwise leaves it.
bool SleutelWaarde(std::string_view regel, std::string_view sleutel, std::string& waarde);
// The same with the value as an integer (0 when it is not an integer).
bool SleutelGetal(std::string_view regel, std::string_view sleutel, int& waarde);

// ASCII-only letter case: only a-z and A-Z change.
char GroteLetter(char c);
char KleineLetter(char c);
std::string InGroteLetters(std::string_view tekst);
std::string InKleineLetters(std::string_view tekst);
bool GelijkZonderHoofdletters(std::string_view a, std::string_view b);
bool BegintMetZonderHoofdletters(std::string_view tekst, std::string_view begin);

// Leading and trailing spaces and control characters removed (bytes <= 0x20).
std::string Bijsnijden(std::string_view tekst);

// True when the line is the section header of a file: equal to it in any letter case once
// trailing blanks and control characters (bytes <= 0x20, DEL, the no-break space) are removed,
// as an editor may leave them.
bool IsKop(std::string_view regel, std::string_view kop);

// True when the whole text is a valid signed decimal integer that fits 32 bits
// (an optional sign followed by at least one digit, nothing else).
bool IsGeheelGetal(std::string_view tekst);
// The integer of the text, or the fallback when it is not one.
int NaarGetal(std::string_view tekst, int standaard = 0);
// The integer of the text when it is one.
bool ProbeerGetal(std::string_view tekst, int& waarde);

// The bytes of a text from 1-based position van, at most aantal bytes; empty past the end.
std::string_view Deel(std::string_view tekst, std::size_t van, std::size_t aantal);

}  // namespace morvask
