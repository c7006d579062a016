#pragma once
// The layout checker: the mistakes on a 160 x 160 handheld screen that only show on the device (a
// control off the screen, two tappable controls on top of each other, a text wider than its box, a
// link to a form that is not there, ...), found with the core's own fonts and the controls' geometry.
#include <string>
#include <vector>

namespace tw {

class FormDocument;
class TextMetrics;
struct GenerationSettings;

enum class Severity { Error, Warning, Note };
const char* severityWord(Severity s);  // "error", "warning", "note"

// One row per rule: its id, how grave it is, what it finds.
struct CheckRule {
  const char* id;
  Severity severity;
  const char* finds;
};
const std::vector<CheckRule>& checkRules();

struct Problem {
  std::string file;  // the form file (the project file for a generation setting); empty when unsaved
  int line = 0;      // the line of the control's section header; 0 when not known
  std::string control;  // the control's name; the form's for the form as a whole; the key for a setting
  std::string rule;
  Severity severity = Severity::Warning;
  std::string message;
  // The form it was found on, for the designer to go to; null for a generation setting. Only a key: the
  // form may have gone since.
  const FormDocument* form = nullptr;
};

struct CheckRequest {
  // The forms, painted once (FormDocument::applyPaintRules) so that self-sizing controls have their size.
  std::vector<const FormDocument*> forms;
  // The forms are a whole project: the links between them are checked, and which forms can be reached.
  bool project = false;
  const GenerationSettings* settings = nullptr;  // checked when given (a project's)
  std::string settingsFile;                      // where the settings are kept, and the line of their section
  int settingsLine = 0;
};

// Every problem, form by form in the request's order, each form's controls in file order.
std::vector<Problem> runChecks(const CheckRequest& request, const TextMetrics& metrics);

// "path/Main.twk:14: warning: 'butOk' lies 6 pixels outside the screen (right edge at 166) [off-screen]"
std::string problemLine(const Problem& p);
// One JSON object with file, line, control, rule, severity and message, on one line.
std::string problemJson(const Problem& p);
// Text as a JSON string literal, quotes included: any bytes give valid JSON (a byte that is not UTF-8
// becomes U+FFFD).
std::string jsonString(std::string_view text);

}  // namespace tw
