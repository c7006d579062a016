#pragma once
// The tables through which a control family describes its kinds to the designer: which palette
// tool places a kind, how it is named and started, which inspector rows it has and how each row
// turns a value into text and back, and which geometry the alignment commands use.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "Control.h"

namespace tw {

// The palette's toggle buttons, from the tool list; at most one is down.
enum class Tool : uint8_t {
  None,
#define TW_TOOL(id, hint) id,
#include "Tools.def"
#undef TW_TOOL
};

// A word shown for a stored number, and the number the word stores.
struct Word {
  const char* text;
  long long value;
};
struct WordList {
  std::vector<Word> words;
  const char* otherText = "";      // shown for a value no word has
  bool setsOther = false;          // a text no word matches stores otherValue (else nothing changes)
  long long otherValue = 0;
};

// How a row shows and takes its value.
enum class Conv : uint8_t {
  Text,     // the text itself
  Number,   // decimal text; shown as value + shift, stored as text - shift
  Words,    // a WordList
  Font,     // "Standard", "Bold", "Large" for the three handheld faces
  Items,    // "(Items)": edited as a list, not as text
  Bitmap,   // "(Bitmap)": edited in the bitmap editor
  Name,     // the component name, renamed under the form's naming rule
  DialogTest,  // "Yes" shows the dialog on the screen (hiding the one shown), anything else hides it
  Special,  // the family's own code (dialog and menu previews, the selector's alignment)
};

struct RowDef {
  const char* row;   // the name the inspector shows and passes back
  const char* prop;  // the published property behind it
  Conv conv = Conv::Text;
  const WordList* words = nullptr;
  int shift = 0;     // Number: shown value minus stored value
  int max = 0;       // Number: a larger value is corrected to max with a message (0: no limit)
};

// A starting value: a fixed value or the click position or the control's own name.
enum class Placeholder : uint8_t { X, Y, OwnName };
using InitValue = std::variant<long long, const char*, std::vector<std::string>, Placeholder>;
struct Init {
  const char* prop;
  InitValue value;
};

// One kind of a family: the palette tool, names, starting values and inspector rows.
struct KindRow {
  const char* word;       // kind word of records and control-list entries ("Button", "EditLine", ...)
  ClassId cls;
  Tool tool;              // Tool::None: not placed from the palette
  const char* base;       // base of names the factory gives
  const char* pasteBase;  // base of names a pasted control gets; nullptr: cannot be pasted
  bool special;           // created by the family's own code (dialog, menu)
  std::vector<Init> start;
  std::vector<RowDef> rows;
  const char* hint = nullptr;  // the palette button's hint where it differs from the tool's own
};

// Alignment geometry: which rectangle a kind aligns by. U = the handheld control's own (User)
// rectangle, P = the panel bounds, None = the kind has no such value.
enum class G : uint8_t { None, U, P };
struct AlignGeom {
  ClassId cls;
  G pos;                      // "Left", "Top"
  G width, height;            // "Width", "Height"
  G rightLeft, rightWidth;    // the left and width that "Right" reads and writes
  G bottomTop, bottomHeight;  // the top and height that "Bottom" reads and writes
  G topAsReference;           // the top read from a reference for "Top"
};

enum class AlignKind : uint8_t { Left, Right, Top, Bottom, Width, Height };
// The property names of the context menu's items: "Left", "Right", "Top", "Bottom", "Width", "Height".
const char* alignKindName(AlignKind k);

struct DesignTables {
  std::vector<KindRow> kinds;
  std::vector<AlignGeom> align;
  const char* duplicateNameText;  // the factory's message when naming fails
};

// One entry of a form's control list: "Name: Kind", carrying the control (nullptr: the form).
struct ListEntry {
  std::string text;
  Control* control;
  bool operator==(const ListEntry&) const = default;
};

// One inspector row as shown.
struct PropertyRow {
  std::string name, text;
  bool operator==(const PropertyRow&) const = default;
};

}  // namespace tw
