// The payload is line based:
//   TarnowickControl 1
//   Class=TCCButton
//   Name=Copiado
//   Left=29
//   ...
// Strings escape "\" as "\\", line breaks as "\n" and "\r", and "|" as "\|"; a string list is its
// count followed by its items, all separated by "|".
#include "ControlStream.h"

#include <charconv>

#include "Sheet.h"

namespace tw {
namespace {

constexpr std::string_view kHeader = "TarnowickControl 1";
constexpr size_t kMaxPayload = 1 << 20;

std::string escape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '|': out += "\\|"; break;
      default: out += ch;
    }
  }
  return out;
}

// Splits at the unescaped "|" and unescapes each part; nullopt for a bad escape.
std::optional<std::vector<std::string>> unescapeParts(std::string_view s) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < s.size(); ++i) {
    char ch = s[i];
    if (ch == '|') {
      parts.emplace_back();
    } else if (ch == '\\') {
      if (++i == s.size()) return std::nullopt;
      switch (s[i]) {
        case '\\': parts.back() += '\\'; break;
        case 'n': parts.back() += '\n'; break;
        case 'r': parts.back() += '\r'; break;
        case '|': parts.back() += '|'; break;
        default: return std::nullopt;
      }
    } else {
      parts.back() += ch;
    }
  }
  return parts;
}

std::optional<std::string> unescapeOne(std::string_view s) {
  auto parts = unescapeParts(s);
  if (!parts || parts->size() != 1) return std::nullopt;
  return std::move(parts->front());
}

std::optional<long long> number(std::string_view s) {
  auto v = strictInteger(s);
  if (!v) return std::nullopt;
  return *v;
}

std::string valueText(const PropInfo& p, const PropValue& v) {
  switch (p.type) {
    case PropType::Integer:
    case PropType::Colour:
    case PropType::Alignment:
      return std::to_string(std::get<long long>(v));
    case PropType::Boolean:
      return std::get<bool>(v) ? "1" : "0";
    case PropType::String:
      return escape(std::get<std::string>(v));
    case PropType::Font:
      return escape(fontToText(std::get<Font>(v)));
    case PropType::Strings: {
      const auto& items = std::get<std::vector<std::string>>(v);
      std::string out = std::to_string(items.size());
      for (const auto& item : items) out += "|" + escape(item);
      return out;
    }
  }
  return {};
}

// The value of a property from its text; nullopt (and why) when it does not fit.
std::optional<PropValue> parseValue(const PropInfo& p, std::string_view text, std::string* why) {
  auto bad = [&](const char* what) -> std::optional<PropValue> {
    *why = std::string(what) + " value of " + p.name;
    return std::nullopt;
  };
  auto checked = [&](std::string s) -> std::optional<PropValue> {
    if (std::string e = textError(s); !e.empty()) {
      *why = e;
      return std::nullopt;
    }
    return PropValue(std::move(s));
  };
  switch (p.type) {
    case PropType::Integer:
    case PropType::Colour: {
      auto n = number(text);
      if (!n) return bad("a wrong");
      return PropValue(*n);
    }
    case PropType::Alignment: {
      auto n = number(text);
      if (!n || *n < 0 || *n > 2) return bad("a wrong");
      return PropValue(*n);
    }
    case PropType::Boolean:
      if (text == "0" || text == "1") return PropValue(text == "1");
      return bad("a wrong");
    case PropType::String: {
      auto s = unescapeOne(text);
      if (!s) return bad("a malformed");
      return checked(std::move(*s));
    }
    case PropType::Font: {
      auto s = unescapeOne(text);
      Font f;
      if (!s || !fontFromText(*s, f)) return bad("a malformed");
      if (std::string e = textError(f.name); !e.empty()) {
        *why = e;
        return std::nullopt;
      }
      return PropValue(f);
    }
    case PropType::Strings: {
      auto parts = unescapeParts(text);
      if (!parts) return bad("a malformed");
      auto count = number(parts->front());
      if (!count || *count != static_cast<long long>(parts->size()) - 1) return bad("a malformed");
      std::vector<std::string> items(std::make_move_iterator(parts->begin() + 1),
                                     std::make_move_iterator(parts->end()));
      for (const auto& item : items)
        if (std::string e = textError(item); !e.empty()) {
          *why = e;
          return std::nullopt;
        }
      return PropValue(std::move(items));
    }
  }
  return bad("an unknown");
}

// Splits "Key=Value"; false when there is no "=".
bool splitLine(std::string_view line, std::string_view& key, std::string_view& value) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = line.substr(0, eq);
  value = line.substr(eq + 1);
  return true;
}

}  // namespace

std::string writeControlPayload(const Control& c, std::string_view name) {
  std::string out(kHeader);
  out += "\nClass=";
  out += c.className();
  out += "\nName=" + escape(name) + "\n";
  for (const PropInfo& p : c.properties()) {
    if (!p.stored) continue;
    out += p.name;
    out += '=';
    out += valueText(p, p.get(c));
    out += '\n';
  }
  return out;
}

std::optional<StreamedControl> readControlPayload(std::string_view payload, std::string* why) {
  std::string scratch;
  if (!why) why = &scratch;
  if (payload.size() > kMaxPayload) {
    *why = "the clipboard's content is too large";
    return std::nullopt;
  }
  // Lines, with CR LF read as LF.
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < payload.size();) {
    size_t end = payload.find('\n', start);
    if (end == std::string_view::npos) end = payload.size();
    std::string_view line = payload.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.size() < 3 || lines[0] != kHeader) {
    *why = "the clipboard does not hold a control";
    return std::nullopt;
  }
  std::string_view key, value;
  ClassId cls;
  if (!splitLine(lines[1], key, value) || key != "Class" || !classFromName(value, cls) || cls == ClassId::CCForm) {
    *why = "the clipboard holds a control of an unknown class";
    return std::nullopt;
  }
  StreamedControl out;
  out.control = createControl(cls);
  if (!splitLine(lines[2], key, value) || key != "Name") {
    *why = "the clipboard's control has no name";
    return std::nullopt;
  }
  auto name = unescapeOne(value);
  if (!name || !textError(*name).empty()) {
    *why = "the clipboard's control has a malformed name";
    return std::nullopt;
  }
  out.name = std::move(*name);
  for (size_t i = 3; i < lines.size(); ++i) {
    if (!splitLine(lines[i], key, value)) {
      *why = "the clipboard's control has a malformed line";
      return std::nullopt;
    }
    const PropInfo* p = out.control->property(key);
    if (!p || !p->stored) {
      *why = "the clipboard's control has an unknown property " + std::string(key.substr(0, 64));
      return std::nullopt;
    }
    auto v = parseValue(*p, value, why);
    if (!v) return std::nullopt;
    p->set(*out.control, *v);
  }
  return out;
}

std::optional<std::vector<StreamedControl>> readControlsPayload(std::string_view payload, std::string* why) {
  std::string scratch;
  if (!why) why = &scratch;
  if (payload.size() > kMaxPayload) {
    *why = "the clipboard's content is too large";
    return std::nullopt;
  }
  // A header line is the only line without "=", so it cannot be taken for a property's value.
  std::vector<StreamedControl> out;
  size_t start = 0;
  while (start < payload.size()) {
    size_t next = start;
    do {
      next = payload.find(kHeader, next + 1);
    } while (next != std::string_view::npos && payload[next - 1] != '\n');
    auto one = readControlPayload(payload.substr(start, next == std::string_view::npos ? next : next - start), why);
    if (!one) return std::nullopt;
    out.push_back(std::move(*one));
    start = next == std::string_view::npos ? payload.size() : next;
  }
  if (out.empty()) {
    *why = "the clipboard does not hold a control";
    return std::nullopt;
  }
  return out;
}

}  // namespace tw
