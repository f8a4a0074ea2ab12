#pragma once
// Files and network messages hold one byte per character in Windows-1252; the program keeps its text in
// UTF-8. These two functions are the only place where the two meet.
#include <string>
#include <string_view>

namespace zp {

// UTF-8 to one byte per character. A character Windows-1252 cannot hold becomes `sustituto`.
std::string aCp1252(std::string_view utf8, char sustituto = '?');

// One byte per character to UTF-8. The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same number, so every byte survives a round trip.
std::string desdeCp1252(std::string_view bytes);

// Number of characters a UTF-8 text takes once written one byte per character.
std::size_t longitudCp1252(std::string_view utf8);

} // namespace zp
