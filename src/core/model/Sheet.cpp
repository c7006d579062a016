#include "Sheet.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "Designer.h"
#include "Family.h"
#include "FormDocument.h"
#include "History.h"
#include "base/Cp1252.h"
#include "model/PTDialog.h"

namespace tw {
namespace {

const char* fontWord(const std::string& name) {
  if (name == kFontStandard) return "Standard";
  if (name == kFontBold) return "Bold";
  if (name == kFontLarge) return "Large";
  return "";
}

const char* fontForWord(std::string_view word) {
  if (word == "Standard") return kFontStandard;
  if (word == "Bold") return kFontBold;
  if (word == "Large") return kFontLarge;
  return nullptr;
}

long long getInt(const Control& c, const char* prop) {
  const PropInfo* p = c.property(prop);
  return p ? std::get<long long>(p->get(c)) : 0;
}

void setInt(Control& c, const char* prop, long long v) {
  if (const PropInfo* p = c.property(prop)) p->set(c, PropValue(v));
}

std::string lowerFirst(const char* s) {
  std::string out = s;
  if (!out.empty() && out[0] >= 'A' && out[0] <= 'Z') out[0] = char(out[0] - 'A' + 'a');
  return out;
}

// "The maximum width of an Image control is 40", "... of a Bitmap control ..."
std::string limitText(const Family& fam, const Control& c, const RowDef& row) {
  std::string kind = fam.kindWord(c);
  const bool vowel = !kind.empty() && std::string_view("AEIOU").find(kind[0]) != std::string_view::npos;
  return "The maximum " + lowerFirst(row.row) + " of " + (vowel ? "an " : "a ") + kind + " control is " +
         std::to_string(row.max);
}

// Sizes and counts cannot be negative; every number the sheet takes is a 16-bit one, as the geometry is.
bool isSizeRow(std::string_view row) {
  return row == "Width" || row == "Height" || row == "TopicWidth" || row == "VisibleItems" || row == "MaxItems";
}

// Whether the row, given value, shows it again. A position or size whose panel value would leave the
// 16-bit range is held at its edge and would show something else; a setter's own rounding (a radio
// group's width, a group number's low bits) is meant and counts as kept.
bool keeps(const Control& c, const RowDef& row, long long value) {
  auto trial = cloneControl(c);
  setInt(*trial, row.prop, value - row.shift);
  if (getInt(*trial, row.prop) + row.shift == value) return true;
  for (int edge : {trial->left(), trial->top(), trial->width(), trial->height()})
    if (edge == kCoordMin || edge == kCoordMax) return false;
  return true;
}

// The value nearest to end, from `from` (which the row keeps) towards end, that the row still keeps:
// geometry grows monotonically, so a halving search finds it.
long long lastKept(const Control& c, const RowDef& row, long long from, long long end) {
  if (keeps(c, row, end) || !keeps(c, row, from)) return end;
  long long lost = end;
  while (from - lost > 1 || lost - from > 1) {
    const long long mid = from + (lost - from) / 2;
    (keeps(c, row, mid) ? from : lost) = mid;
  }
  return from;
}

// Why a number cannot be set in the row, naming the values it takes; empty when it can.
std::string rangeError(const Control& c, const RowDef& row, std::string_view text, long long value) {
  const long long lo = isSizeRow(row.row) ? 0 : kCoordMin, hi = row.max > 0 ? row.max : kCoordMax;
  if (value >= lo && value <= hi && keeps(c, row, value)) return {};
  const long long shown = std::clamp(getInt(c, row.prop) + row.shift, lo, hi);
  return "'" + std::string(text) + "' is out of range: " + row.row + " takes values from " +
         std::to_string(lastKept(c, row, shown, lo)) + " to " + std::to_string(lastKept(c, row, shown, hi));
}

}  // namespace

std::optional<int> strictInteger(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 11) return std::nullopt;
  long long v = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return std::nullopt;
    v = v * 10 + (ch - '0');
  }
  if (negative) v = -v;
  if (v < -2147483648LL || v > 2147483647LL) return std::nullopt;
  return int(v);
}

std::string notAnInteger(std::string_view text) { return "'" + std::string(text) + "' is not a valid integer value"; }

std::string textError(std::string_view text) {
  if (!fitsCp1252(text))
    return "'" + std::string(text) + "' has characters that the handheld's character set cannot hold";
  for (unsigned char ch : text)
    if (ch < 0x20 && ch != '\t')
      return "Line breaks and other control characters cannot be kept in a form file";
  return {};
}

std::string rowText(Designer& d, FormDocument& form, Control& c, const Family& fam, const RowDef& row) {
  const PropInfo* p = c.property(row.prop);
  switch (row.conv) {
    case Conv::Text:
      return p ? std::get<std::string>(p->get(c)) : std::string();
    case Conv::Number: {
      long long v = getInt(c, row.prop) + row.shift;
      if (row.max > 0 && v > row.max) {
        // A mouse resize can make it larger than it may be: corrected as soon as it is shown.
        d.messages.error(limitText(fam, c, row));
        setInt(c, row.prop, row.max - row.shift);
        v = row.max;
      }
      return std::to_string(v);
    }
    case Conv::Words: {
      long long v = getInt(c, row.prop);
      for (const Word& w : row.words->words)
        if (w.value == v) return w.text;
      return row.words->otherText;
    }
    case Conv::Font:
      return fontWord(c.font.name);
    case Conv::Items:
      return "(Items)";
    case Conv::Bitmap:
      return "(Bitmap)";
    case Conv::Name:
      return c.name();
    case Conv::DialogTest:
      return c.tag == 1 ? "Yes" : "No";
    case Conv::Special:
      return fam.specialText(form, c, row);
  }
  return {};
}

bool setRow(Designer& d, FormDocument& form, Control& c, const Family& fam, const RowDef& row,
            const std::string& text) {
  switch (row.conv) {
    case Conv::Text: {
      if (std::string why = textError(text); !why.empty()) {
        d.messages.error(why);
        return false;
      }
      if (const PropInfo* p = c.property(row.prop)) p->set(c, PropValue(text));
      return true;
    }
    case Conv::Number: {
      auto v = strictInteger(text);
      if (!v) {
        d.messages.error(notAnInteger(text));
        return false;
      }
      long long value = *v;
      if (row.max > 0 && value > row.max) {
        d.messages.error(limitText(fam, c, row));
        value = row.max;
      }
      if (std::string why = rangeError(c, row, text, value); !why.empty()) {
        d.messages.error(why);
        return false;
      }
      setInt(c, row.prop, value - row.shift);
      return true;
    }
    case Conv::Words: {
      for (const Word& w : row.words->words)
        if (text == w.text) {
          setInt(c, row.prop, w.value);
          return true;
        }
      if (!row.words->setsOther) return false;
      setInt(c, row.prop, row.words->otherValue);
      return true;
    }
    case Conv::Font: {
      const char* face = fontForWord(text);
      if (!face) return false;
      c.font.name = face;
      return true;
    }
    case Conv::Items:
    case Conv::Bitmap:
      return false;  // edited in their own editors
    case Conv::Name: {
      std::string why;
      if (!form.rename(c, text, &why)) {
        d.messages.error(why);
        return false;
      }
      return true;
    }
    case Conv::DialogTest: {
      if (c.classId() != ClassId::PTDialog) return false;
      auto& dialog = as<TPTDialog>(c);
      if (text == "Yes")
        d.showDialog(form, dialog);
      else if (dialog.tag != 0)
        d.hideDialog(form, dialog);
      return true;
    }
    case Conv::Special:
      fam.setSpecial(d, form, c, row, text);
      return true;
  }
  return false;
}

void applyStart(Control& c, const std::vector<Init>& start, int x, int y) {
  for (const Init& init : start) {
    const PropInfo* p = c.property(init.prop);
    if (!p) continue;
    PropValue v;
    if (auto* n = std::get_if<long long>(&init.value)) {
      if (p->type == PropType::Boolean)
        v = *n != 0;
      else
        v = *n;
    } else if (auto* s = std::get_if<const char*>(&init.value)) {
      v = std::string(*s);
    } else if (auto* l = std::get_if<std::vector<std::string>>(&init.value)) {
      v = *l;
    } else {
      switch (std::get<Placeholder>(init.value)) {
        case Placeholder::X: v = (long long)x; break;
        case Placeholder::Y: v = (long long)y; break;
        case Placeholder::OwnName: v = c.name(); break;
      }
    }
    p->set(c, v);
  }
}

}  // namespace tw
