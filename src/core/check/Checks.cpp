#include "Checks.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "base/Text.h"
#include "codegen/GenerationSettings.h"
#include "graphics/TextMetrics.h"
#include "model/Control.h"
#include "model/FormDocument.h"

namespace tw {
namespace {

constexpr int kScreenSide = 160;
constexpr size_t kNameMax = 31;  // the handheld keeps an application's and a database's name in 32 bytes

const std::vector<CheckRule> kRules = {
    {"off-screen", Severity::Warning, "a control partly or wholly outside the screen, or outside its dialog"},
    {"overlap", Severity::Warning, "two controls that take taps lying over one another"},
    {"clipped-text", Severity::Warning, "a text wider or taller than the box it is drawn in"},
    {"missing-target", Severity::Error, "a ShowForm or Trigger naming no form, dialog or control there is"},
    {"unreachable-form", Severity::Note, "a form that no ShowForm path from the first form reaches"},
    {"empty-list", Severity::Warning, "a list, radio group, pop-up or menu with no items"},
    {"zero-size", Severity::Warning, "a control 0 pixels wide or high"},
    {"quote-in-text", Severity::Error, "a double quote or backslash, which the generated string literal breaks on"},
    {"setting-length", Severity::Error, "a generation setting longer than the handheld keeps"},
    {"duplicate-name", Severity::Error, "one name on two forms: the generated code makes every name global"},
};

Severity severityOf(std::string_view rule) {
  for (const CheckRule& r : kRules)
    if (rule == r.id) return r.severity;
  return Severity::Warning;
}

std::string quoted(std::string_view name) { return "'" + std::string(name) + "'"; }
std::string pixels(long long n) { return std::to_string(n) + (n == 1 ? " pixel" : " pixels"); }
bool linked(std::string_view target) { return !target.empty() && target != "(None)"; }

struct Rect {
  long long l, t, r, b;
};
Rect boundsOf(const Control& c) { return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()}; }

class Checker {
 public:
  Checker(const CheckRequest& rq, const TextMetrics& m) : rq_(rq), m_(m) {}

  std::vector<Problem> run() {
    if (rq_.project) indexProject();
    for (const FormDocument* f : rq_.forms) checkForm(*f);
    if (rq_.project) reachable();
    if (rq_.settings) settings();
    return std::move(out_);
  }

 private:
  void add(const FormDocument* f, const Control* c, std::string control, const char* rule, std::string message,
           std::string file = {}, int line = 0) {
    if (f) {
      file = f->fileName;
      auto it = f->fileLines.find(c ? c : &f->screen());
      line = it == f->fileLines.end() ? 0 : it->second;
    }
    out_.push_back({file, line, std::move(control), rule, severityOf(rule), std::move(message), f});
  }

  void indexProject() {
    for (const FormDocument* f : rq_.forms) {
      targets_[f->formName] = &f->screen();
      f->forEachControl([&](const Control& c) {
        if (c.isContainer()) targets_.emplace(c.name(), &c);
      });
    }
  }

  void checkForm(const FormDocument& f) {
    const size_t from = out_.size();
    ControlFacts screen;
    f.screen().facts(screen);
    literals(f, f.screen(), f.formName, screen);
    checkContainer(f, f.screen());
    f.forEachControl([&](const Control& c) { checkControl(f, c); });
    if (rq_.project) names(f);
    // In file order, as a reader of the file meets them.
    std::stable_sort(out_.begin() + long(from), out_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
  }

  // The geometry of a container's children: inside it, and not over one another where both take taps.
  void checkContainer(const FormDocument& f, const Control& box) {
    const bool screen = &box == &f.screen();
    const long long w = screen ? kScreenSide : box.width(), h = screen ? kScreenSide : box.height();
    std::vector<std::pair<const Control*, Rect>> tappable;
    for (const auto& child : box.children()) {
      const Control& c = *child;
      if (c.width() <= 0 || c.height() <= 0) continue;  // zero-size says it
      const Rect r = boundsOf(c);
      const std::string where = screen ? "the screen" : "its dialog " + quoted(box.name());
      if (r.r <= 0 || r.b <= 0 || r.l >= w || r.t >= h) {
        add(&f, &c, c.name(), "off-screen",
            quoted(c.name()) + " lies wholly outside " + where + " (" + edge(r, w, h) + ")");
      } else if (r.l < 0 || r.t < 0 || r.r > w || r.b > h) {
        const long long over = std::max({-r.l, -r.t, r.r - w, r.b - h});
        add(&f, &c, c.name(), "off-screen",
            quoted(c.name()) + " lies " + pixels(over) + " outside " + where + " (" + edge(r, w, h) + ")");
      }
      ControlFacts facts;
      c.facts(facts);
      if (facts.takesTaps) tappable.push_back({&c, r});
    }
    overlaps(f, tappable);
    for (const auto& child : box.children())
      if (child->isContainer()) checkContainer(f, *child);
  }

  // Tappable controls of one container, in child order, over one another: each is reported once, with
  // the first one it covers and how many more. Swept from left to right, so that controls side by side
  // cost no comparison.
  void overlaps(const FormDocument& f, const std::vector<std::pair<const Control*, Rect>>& tappable) {
    std::vector<size_t> byLeft(tappable.size());
    for (size_t i = 0; i < byLeft.size(); ++i) byLeft[i] = i;
    std::stable_sort(byLeft.begin(), byLeft.end(),
                     [&](size_t a, size_t b) { return tappable[a].second.l < tappable[b].second.l; });
    struct Hit {
      size_t first = SIZE_MAX;
      long long w = 0, h = 0;
      size_t more = 0;
    };
    std::vector<Hit> hits(tappable.size());
    for (size_t i = 0; i < byLeft.size(); ++i) {
      const Rect& a = tappable[byLeft[i]].second;
      for (size_t j = i + 1; j < byLeft.size() && tappable[byLeft[j]].second.l < a.r; ++j) {
        const Rect& b = tappable[byLeft[j]].second;
        const long long w = std::min(a.r, b.r) - b.l, h = std::min(a.b, b.b) - std::max(a.t, b.t);
        if (w <= 0 || h <= 0) continue;
        const size_t later = std::max(byLeft[i], byLeft[j]), earlier = std::min(byLeft[i], byLeft[j]);
        Hit& hit = hits[later];
        if (hit.first == SIZE_MAX || earlier < hit.first) {
          if (hit.first != SIZE_MAX) ++hit.more;
          hit.first = earlier, hit.w = w, hit.h = h;
        } else {
          ++hit.more;
        }
      }
    }
    for (size_t i = 0; i < hits.size(); ++i) {
      if (hits[i].first == SIZE_MAX) continue;
      const Control& c = *tappable[i].first;
      std::string message = quoted(c.name()) + " and " + quoted(tappable[hits[i].first].first->name()) +
                            " overlap by " + std::to_string(hits[i].w) + " x " + pixels(hits[i].h);
      if (hits[i].more) message += " (and it overlaps " + std::to_string(hits[i].more) + " more)";
      add(&f, &c, c.name(), "overlap", message + ": a tap there reaches only one of them");
    }
  }

  // The edge that lies farthest out, as "right edge at 166".
  static std::string edge(const Rect& r, long long w, long long h) {
    const std::pair<long long, std::string> edges[] = {{-r.l, "left edge at " + std::to_string(r.l)},
                                                       {-r.t, "top edge at " + std::to_string(r.t)},
                                                       {r.r - w, "right edge at " + std::to_string(r.r)},
                                                       {r.b - h, "bottom edge at " + std::to_string(r.b)}};
    return std::max_element(std::begin(edges), std::end(edges),
                            [](const auto& a, const auto& b) { return a.first < b.first; })->second;
  }

  void checkControl(const FormDocument& f, const Control& c) {
    if (c.width() <= 0 || c.height() <= 0)
      add(&f, &c, c.name(), "zero-size",
          quoted(c.name()) + " is " + std::to_string(c.width()) + " x " + pixels(c.height()) +
              ": nothing of it shows on the handheld");
    ControlFacts facts;
    c.facts(facts);
    if (facts.items && facts.items->empty()) add(&f, &c, c.name(), "empty-list", quoted(c.name()) + " has no items");
    clipped(f, c, facts);
    literals(f, c, c.name(), facts);
    if (linked(facts.showForm) && rq_.project && !targets_.count(std::string(facts.showForm)))
      add(&f, &c, c.name(), "missing-target",
          quoted(c.name()) + " opens " + quoted(facts.showForm) + ", which is no form or dialog of the project" +
              spelling(facts.showForm));
    if (linked(facts.trigger) && !f.findComponent(facts.trigger))
      add(&f, &c, c.name(), "missing-target",
          quoted(c.name()) + " is opened by " + quoted(facts.trigger) + ", which is no control of the form");
  }

  // A name the project has only in other letter case: the generated call must match it exactly.
  std::string spelling(std::string_view target) const {
    for (const auto& [name, c] : targets_)
      if (sameText(name, target)) return " (it has " + quoted(name) + ")";
    return {};
  }

  void clipped(const FormDocument& f, const Control& c, const ControlFacts& facts) {
    std::string first;
    int more = 0;
    for (const TextRoom& t : facts.texts) {
      if (t.text.empty() || (t.width < 0 && t.height < 0)) continue;
      Font font = c.font;
      if (t.face) font.name = t.face;
      const long long tw = m_.textWidth(font, t.text), th = m_.textHeight(font, t.text);
      std::string why;
      if (t.width >= 0 && tw > t.width)
        why = "is " + pixels(tw) + " wide, " + std::to_string(tw - t.width) + " more than the " +
              std::to_string(std::max(t.width, 0)) + " its box gives";
      else if (t.height >= 0 && th > t.height)
        why = "is " + pixels(th) + " high, " + std::to_string(th - t.height) + " more than the " +
              std::to_string(std::max(t.height, 0)) + " its box gives";
      if (why.empty()) continue;
      if (first.empty()) first = "the text \"" + std::string(t.text) + "\" of " + quoted(c.name()) + " " + why;
      else ++more;
    }
    if (first.empty()) return;
    if (more) first += " (and " + std::to_string(more) + (more == 1 ? " more text)" : " more texts)");
    add(&f, &c, c.name(), "clipped-text", first);
  }

  void literals(const FormDocument& f, const Control& c, const std::string& name, const ControlFacts& facts) {
    for (const TextRoom& t : facts.texts)
      if (t.text.find_first_of("\"\\") != std::string_view::npos) {
        add(&f, &c, name, "quote-in-text",
            "the text \"" + std::string(t.text) + "\" of " + quoted(name) +
                " holds a double quote or backslash, which goes into the generated string as it is");
        return;
      }
  }

  // Every name becomes one global of the generated program: a form's routines, a control's handle.
  void names(const FormDocument& f) {
    auto claim = [&](const std::string& name, const Control* c) {
      auto [it, fresh] = globals_.try_emplace(name, &f);
      if (!fresh && it->second != &f)
        add(&f, c, name, "duplicate-name",
            quoted(name) + " is also a name on the form " + quoted(it->second->formName) +
                ": the generated code declares it twice");
    };
    claim(f.formName, nullptr);
    f.forEachControl([&](const Control& c) { claim(c.name(), &c); });
  }

  // Forms reached from the first form by way of ShowForm: from a form or a dialog, by the links of the
  // controls on it.
  void reachable() {
    std::vector<const FormDocument*> forms(rq_.forms.begin(), rq_.forms.end());
    const FormDocument* first = pickFirstForm(forms, rq_.settings ? rq_.settings->firstForm : "");
    if (!first) return;
    std::unordered_set<const Control*> seen{&first->screen()};
    std::deque<const Control*> todo{&first->screen()};
    while (!todo.empty()) {
      const Control* box = todo.front();
      todo.pop_front();
      for (const auto& child : box->children()) {
        ControlFacts facts;
        child->facts(facts);
        auto it = linked(facts.showForm) ? targets_.find(std::string(facts.showForm)) : targets_.end();
        if (it != targets_.end() && seen.insert(it->second).second) todo.push_back(it->second);
      }
    }
    for (const FormDocument* f : rq_.forms)
      if (!seen.count(&f->screen()))
        add(f, nullptr, f->formName, "unreachable-form",
            "the form " + quoted(f->formName) + " is opened by no ShowForm on a way from the first form " +
                quoted(first->formName));
  }

  void settings() {
    const GenerationSettings& s = *rq_.settings;
    const std::pair<const char*, const std::string*> keys[] = {
        {"CreatorID", &s.creatorId}, {"AppName", &s.appName}, {"AppDB", &s.appDb}, {"Version", &s.version}};
    for (const auto& entry : keys) {
      const char* key = entry.first;
      const std::string* value = entry.second;
      const size_t max = value == &s.creatorId ? kCreatorIdMax : value == &s.version ? 0 : kNameMax;
      const size_t length = utf8Length(*value);
      auto put = [&](const char* rule, const std::string& message) {
        add(nullptr, nullptr, key, rule, message, rq_.settingsFile, rq_.settingsLine);
      };
      if (max && length > max)
        put("setting-length", std::string("the setting ") + key + " \"" + *value + "\" has " +
                                  std::to_string(length) + " characters, more than the " + std::to_string(max) +
                                  " the handheld keeps");
      if (value->find_first_of("\"\\") != std::string::npos)
        put("quote-in-text", std::string("the setting ") + key + " \"" + *value +
                                 "\" holds a double quote or backslash, which goes into the generated string as it is");
    }
  }

  static size_t utf8Length(std::string_view s) {
    return size_t(std::count_if(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
  }

  const CheckRequest& rq_;
  const TextMetrics& m_;
  std::vector<Problem> out_;
  std::map<std::string, const Control*> targets_;  // form screens and dialogs, by exact name
  std::unordered_map<std::string, const FormDocument*> globals_;
};

}  // namespace

const char* severityWord(Severity s) {
  return s == Severity::Error ? "error" : s == Severity::Warning ? "warning" : "note";
}

const std::vector<CheckRule>& checkRules() { return kRules; }

std::vector<Problem> runChecks(const CheckRequest& request, const TextMetrics& metrics) {
  return Checker(request, metrics).run();
}

std::string problemLine(const Problem& p) {
  std::string out = p.file.empty() ? "(unsaved)" : p.file;
  if (p.line > 0) out += ":" + std::to_string(p.line);
  return out + ": " + severityWord(p.severity) + ": " + p.message + " [" + p.rule + "]";
}

std::string problemJson(const Problem& p) {
  return "{\"file\": " + jsonString(p.file) + ", \"line\": " + std::to_string(p.line) +
         ", \"control\": " + jsonString(p.control) + ", \"rule\": " + jsonString(p.rule) +
         ", \"severity\": " + jsonString(severityWord(p.severity)) + ", \"message\": " + jsonString(p.message) + "}";
}

std::string jsonString(std::string_view s) {
  std::string out = "\"";
  auto hex4 = [&](unsigned v) {
    static const char* digits = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(v >> shift) & 0xF];
  };
  for (size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      if (b == '"' || b == '\\') out += '\\', out += char(b);
      else if (b == '\n') out += "\\n";
      else if (b == '\t') out += "\\t";
      else if (b == '\r') out += "\\r";
      else if (b < 0x20 || b == 0x7F) hex4(b);
      else out += char(b);
      ++i;
      continue;
    }
    // A whole, shortest-form UTF-8 sequence of a scalar value is copied; anything else is one U+FFFD.
    const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    unsigned cp = n == 4 ? b & 0x07 : n == 3 ? b & 0x0F : b & 0x1F;
    bool ok = n > 0 && b <= 0xF4 && i + n <= s.size();
    for (size_t k = 1; ok && k < n; ++k) {
      const unsigned char cb = static_cast<unsigned char>(s[i + k]);
      ok = (cb & 0xC0) == 0x80;
      cp = (cp << 6) | (cb & 0x3F);
    }
    const unsigned least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    ok = ok && cp >= least && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (!ok) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else if (cp == 0x2028 || cp == 0x2029) {
      hex4(cp);  // valid JSON either way, but not inside a script
      i += n;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
  return out + "\"";
}

}  // namespace tw
