#pragma once
// Small text helpers shared by every layer: ASCII case folding and hexadecimal digits.
#include <string>
#include <string_view>

namespace tw {

// ASCII case folding, for names compared without regard to case.
std::string lowerAscii(std::string_view s);
bool sameText(std::string_view a, std::string_view b);

// The value of a hexadecimal digit in either case; -1 for any other character.
int hexDigit(char c);

// Bytes as upper-case hexadecimal pairs, and back; decoding stops at the first pair that is not hex.
std::string toHex(std::string_view bytes);
std::string fromHex(std::string_view hex);

}  // namespace tw
