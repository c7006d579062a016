#include "NaturalOrder.h"

#include <cstddef>

namespace tw {
namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }
unsigned char folded(char c) { return (c >= 'A' && c <= 'Z') ? (unsigned char)(c - 'A' + 'a') : (unsigned char)c; }

}  // namespace

int naturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      // Leading zeros spell nothing; then the longer run is the larger number, and runs of one
      // length compare digit by digit. No run is ever turned into an integer, so none overflows.
      while (i < a.size() && a[i] == '0') ++i;
      while (j < b.size() && b[j] == '0') ++j;
      size_t ei = i, ej = j;
      while (ei < a.size() && digit(a[ei])) ++ei;
      while (ej < b.size() && digit(b[ej])) ++ej;
      if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
      if (int c = a.substr(i, ei - i).compare(b.substr(j, ej - j)); c != 0) return c < 0 ? -1 : 1;
      i = ei, j = ej;
      continue;
    }
    const unsigned char x = folded(a[i]), y = folded(b[j]);
    if (x != y) return x < y ? -1 : 1;
    ++i, ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace tw
