#pragma once
// The handheld's character set is Windows-1252: files hold it, memory holds UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Every byte decodes: the five codes Windows-1252 leaves undefined map to the C1 control of the same value.
// Takes its text by value: moved in, an all-ASCII text comes back without a copy.
std::string cp1252ToUtf8(std::string bytes);

// Encodes UTF-8 text; characters with no Windows-1252 code (and malformed UTF-8) become '?'.
// Converts in place: pass an rvalue to spare the copy.
std::string utf8ToCp1252(std::string text);

// True when every character of the UTF-8 text has a Windows-1252 code.
bool fitsCp1252(std::string_view text);

// Windows-1252 code of one Unicode code point, if it has one.
std::optional<unsigned char> cp1252Code(char32_t cp);

// Unicode code point of a Windows-1252 code.
char32_t cp1252ToUnicode(unsigned char code);

// Splits UTF-8 into Windows-1252 codes; characters without a code become '?'.
template <class F> void forEachCp1252(std::string_view text, F&& f) {
  for (unsigned char c : utf8ToCp1252(std::string(text))) f(c);
}

}  // namespace tw
