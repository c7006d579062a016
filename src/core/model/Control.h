#pragma once
// A design-time control: a small panel with the handheld control's properties and look.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "graphics/Font.h"

namespace tw {

class Canvas;
class FontSet;
class TextMetrics;

// Every widget class of both libraries, from the class list.
enum class ClassId : uint8_t {
#define TW_CLASS(id, T, layer) id,
#include "Classes.def"
#undef TW_CLASS
};
inline constexpr int kClassCount = 0
#define TW_CLASS(id, T, layer) +1
#include "Classes.def"
#undef TW_CLASS
    ;

const char* className(ClassId id);  // "TCCButton"
bool classFromName(std::string_view name, ClassId& id);

// The panel's text alignment, in the framework's order (left, right, centre).
enum class Alignment : uint8_t { Left = 0, Right = 1, Center = 2 };

// Selection colours (0x00BBGGRR): primary and secondary, on the screen and inside a dialog.
inline constexpr Colour kSelectBlue = 0xFF0000, kSelectNavy = 0x800000;
inline constexpr Colour kSelectRed = 0x0000FF, kSelectMaroon = 0x000080;
// The colour every constructor gives; factories and readers then give the design colour.
inline constexpr Colour kConstructorColour = 0x1F5F8F7F;

// Geometry is kept within 16 bits so that no arithmetic on it overflows.
inline constexpr int kCoordMin = -32768, kCoordMax = 32767;
int clampCoord(long long v);

// A published property: its name, type and accessors. Each class lists its own once; the
// clipboard stream and the tests walk that list.
enum class PropType : uint8_t { Integer, String, Boolean, Colour, Font, Strings, Alignment };
using PropValue = std::variant<long long, std::string, bool, Font, std::vector<std::string>>;
class Control;
struct PropInfo {
  const char* name;
  PropType type;
  bool stored;  // false for values derived from others (the User geometry), which a stream skips
  std::function<PropValue(const Control&)> get;
  std::function<void(Control&, const PropValue&)> set;
  // A form file keeps any 32-bit value of a plain number field, which `set` holds within 16 bits as the
  // sheet and the clipboard take them; empty where a file's value goes through `set` too.
  std::function<void(Control&, long long)> setWhole = {};
};
using PropList = std::vector<PropInfo>;

// A text a control shows, and the room it draws it in (pixels; a negative side is not measured, as for
// a control that sizes itself to its text). Every such text goes into the generated code as a string.
struct TextRoom {
  std::string_view text;
  int width = -1, height = -1;
  const char* face = nullptr;  // the face it is drawn in, when not the control's font
};
// What the layout checker asks of a control (check/Checks.h), which only its class can say.
struct ControlFacts {
  bool takesTaps = false;  // the handheld hands it taps: another such control must not cover it
  const std::vector<std::string>* items = nullptr;  // a control that shows a list of items: its items
  std::vector<TextRoom> texts;
  std::string_view showForm;  // the form or dialog a tap opens; empty or "(None)" for none
  std::string_view trigger;   // the pop-up trigger that opens it; empty or "(None)" for none
};

class Control {
 public:
  explicit Control(ClassId id);
  virtual ~Control();
  Control& operator=(const Control&) = delete;

  ClassId classId() const { return id_; }
  const char* className() const { return tw::className(id_); }

  // The component name; FormDocument::rename checks the naming rules before it calls this.
  const std::string& name() const { return name_; }
  void setNameUnchecked(std::string n) { name_ = std::move(n); }

  // Panel bounds on the parent, in handheld pixels.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(long long v) { left_ = clampCoord(v); }
  void setTop(long long v) { top_ = clampCoord(v); }
  virtual void setWidth(long long v) { width_ = clampCoord(v); }
  virtual void setHeight(long long v) { height_ = clampCoord(v); }
  void setBounds(long long l, long long t, long long w, long long h) {
    setLeft(l), setTop(t), setWidth(w), setHeight(h);
  }

  // The handheld control's own rectangle inside the panel's margin (for classes that have one).
  virtual int userInset() const { return 1; }
  virtual int userWidthExtra() const { return 2; }
  virtual int userHeightExtra() const { return 2; }
  virtual int userLeft() const { return left_ + userInset(); }
  virtual int userTop() const { return top_ + userInset(); }
  virtual int userWidth() const { return width_ - userWidthExtra(); }
  virtual int userHeight() const { return height_ - userHeightExtra(); }
  virtual void setUserLeft(long long v) { setLeft(v - userInset()); }
  virtual void setUserTop(long long v) { setTop(v - userInset()); }
  virtual void setUserWidth(long long v) { setWidth(v + userWidthExtra()); }
  virtual void setUserHeight(long long v) { setHeight(v + userHeightExtra()); }

  Font font;
  Colour color = kConstructorColour;
  int tag = 0;
  bool visible = true;
  Alignment alignment = Alignment::Left;
  bool selected = false;
  Colour selectColor = kSelectBlue;

  // Children in child order (back to front): file order and generation order.
  Control* parent() const { return parent_; }
  const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
  Control* addChild(std::unique_ptr<Control> c);
  std::unique_ptr<Control> takeChild(const Control* c);
  int childIndex(const Control* c) const;
  void moveChild(const Control* c, size_t index);
  // Visible on the design surface: itself and every ancestor visible.
  bool shown() const;
  // This control is `outer` or lies inside it.
  bool isWithin(const Control* outer) const;

  // The rows from the panel's top that paint and take clicks: all of them, but for a closed menu.
  virtual int paintedHeight() const { return height_; }

  // A dialog or the screen: controls may be placed inside it.
  virtual bool isContainer() const { return false; }
  // A child of the form window rather than of the screen (a menu bar, a menu): it never goes
  // through the clipboard, and a click on it activates its form and clears the selection.
  virtual bool onFormWindow() const { return false; }
  // Whether selecting the control marks it (a menu bar never is).
  virtual bool marksWhenSelected() const { return true; }

  // Changes that the look makes when the control is painted (a label sizing itself, a list's row
  // height, ...). The painter calls it before drawing.
  virtual void beforePaint(const TextMetrics&) {}
  // Draws the control on its panel: the canvas's origin is the panel's top left corner, its clip
  // the panel.
  virtual void paint(Canvas& canvas, const FontSet& fonts) const = 0;
  // Whether the painter draws the selection marks over a selected control (the screen and the menu
  // bar never show them; the GSI draws its own).
  virtual bool showsMarks() const { return true; }
  // The snap a class makes when a mouse resize ends (a list to whole rows).
  virtual void afterResize(const TextMetrics&) {}
  // The end of any resize, by the mouse or the keys: the class's snap, and the size a control that
  // sizes itself (a label to its text) takes back now rather than at its next painting, so that the
  // step records no change it would not keep.
  void endResize(const TextMetrics& m) {
    afterResize(m);
    if (shown()) beforePaint(m);
  }

  // What the layout checker needs to know: taps, items, texts and their room, links.
  virtual void facts(ControlFacts&) const {}

  // The control alone, with all of its fields but without parent or children.
  virtual std::unique_ptr<Control> cloneAlone() const = 0;

  // The published properties of the class, base ones first.
  virtual const PropList& properties() const = 0;
  const PropInfo* property(std::string_view name) const;

 // The properties every panel publishes.
  static PropList baseProperties();

 protected:
  // The control alone, without parent or children: what cloneAlone builds on.
  Control(const Control& o)
      : font(o.font), color(o.color), tag(o.tag), visible(o.visible), alignment(o.alignment),
        selected(o.selected), selectColor(o.selectColor), id_(o.id_), name_(o.name_), left_(o.left_),
        top_(o.top_), width_(o.width_), height_(o.height_) {}

 private:
  ClassId id_;
  std::string name_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Control* parent_ = nullptr;
  std::vector<std::unique_ptr<Control>> children_;
};

// The control as its exact class, where the caller has checked classId().
template <class T>
const T& as(const Control& c) {
  return static_cast<const T&>(c);
}
template <class T>
T& as(Control& c) {
  return static_cast<T&>(c);
}

// The copy every class makes of itself, in one line: TW_CLONE(TCCButton).
#define TW_CLONE(T) \
  std::unique_ptr<Control> cloneAlone() const override { return std::make_unique<T>(*this); }

// Creates a control of a class with the constructor's values (the class registry of the clipboard),
// through the factory of the layer that defines it.
std::unique_ptr<Control> createControl(ClassId id);

// Helpers for property lists: a field or a getter/setter pair of class C.
template <class C>
PropInfo intField(const char* name, int C::*field) {
  return {name, PropType::Integer, true,
          [field](const Control& c) { return PropValue((long long)(as<C>(c).*field)); },
          [field](Control& c, const PropValue& v) {
            as<C>(c).*field = int(clampCoord(std::get<long long>(v)));
          },
          [field](Control& c, long long v) { as<C>(c).*field = int(v); }};
}
template <class C>
PropInfo strField(const char* name, std::string C::*field) {
  return {name, PropType::String, true,
          [field](const Control& c) { return PropValue(as<C>(c).*field); },
          [field](Control& c, const PropValue& v) { as<C>(c).*field = std::get<std::string>(v); }};
}
template <class C, class Get, class Set>
PropInfo intProp(const char* name, Get get, Set set, bool stored = true) {
  return {name, PropType::Integer, stored,
          [get](const Control& c) { return PropValue((long long)((as<C>(c).*get)())); },
          [set](Control& c, const PropValue& v) { (as<C>(c).*set)(std::get<long long>(v)); }};
}
template <class C, class Get, class Set>
PropInfo strProp(const char* name, Get get, Set set) {
  return {name, PropType::String, true,
          [get](const Control& c) { return PropValue(std::string((as<C>(c).*get)())); },
          [set](Control& c, const PropValue& v) { (as<C>(c).*set)(std::get<std::string>(v)); }};
}
template <class C, class Get, class Set>
PropInfo itemsProp(const char* name, Get get, Set set) {
  return {name, PropType::Strings, true,
          [get](const Control& c) { return PropValue((as<C>(c).*get)()); },
          [set](Control& c, const PropValue& v) {
            (as<C>(c).*set)(std::get<std::vector<std::string>>(v));
          }};
}
// The User geometry a class publishes.
enum UserParts : unsigned { kUserLeft = 1, kUserTop = 2, kUserWidth = 4, kUserHeight = 8, kUserAll = 15 };
void addUserProperties(PropList& list, unsigned parts);

}  // namespace tw
