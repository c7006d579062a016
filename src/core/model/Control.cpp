#include "Control.h"

#include <algorithm>

namespace tw {
namespace {

constexpr const char* kClassNames[kClassCount] = {
#define TW_CLASS(id, T, layer) #T,
#include "Classes.def"
#undef TW_CLASS
};

}  // namespace

const char* className(ClassId id) { return kClassNames[int(id)]; }

bool classFromName(std::string_view name, ClassId& id) {
  for (int i = 0; i < kClassCount; ++i)
    if (name == kClassNames[i]) {
      id = ClassId(i);
      return true;
    }
  return false;
}

int clampCoord(long long v) { return int(std::clamp<long long>(v, kCoordMin, kCoordMax)); }

Control::Control(ClassId id) : id_(id) {}
Control::~Control() = default;

bool Control::isWithin(const Control* outer) const {
  for (const Control* c = this; c; c = c->parent())
    if (c == outer) return true;
  return false;
}

Control* Control::addChild(std::unique_ptr<Control> c) {
  c->parent_ = this;
  children_.push_back(std::move(c));
  return children_.back().get();
}

std::unique_ptr<Control> Control::takeChild(const Control* c) {
  int i = childIndex(c);
  if (i < 0) return nullptr;
  auto owned = std::move(children_[size_t(i)]);
  children_.erase(children_.begin() + i);
  owned->parent_ = nullptr;
  return owned;
}

int Control::childIndex(const Control* c) const {
  for (size_t i = 0; i < children_.size(); ++i)
    if (children_[i].get() == c) return int(i);
  return -1;
}

void Control::moveChild(const Control* c, size_t index) {
  auto owned = takeChild(c);
  if (!owned) return;
  owned->parent_ = this;
  index = std::min(index, children_.size());
  children_.insert(children_.begin() + long(index), std::move(owned));
}

bool Control::shown() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible) return false;
  return true;
}

const PropInfo* Control::property(std::string_view name) const {
  for (const auto& p : properties())
    if (name == p.name) return &p;
  return nullptr;
}

PropList Control::baseProperties() {
  auto geometry = [](const char* name, int (Control::*get)() const, void (Control::*set)(long long)) {
    return PropInfo{name, PropType::Integer, true,
                    [get](const Control& c) { return PropValue((long long)(c.*get)()); },
                    [set](Control& c, const PropValue& v) { (c.*set)(std::get<long long>(v)); }};
  };
  return {
      geometry("Left", &Control::left, &Control::setLeft),
      geometry("Top", &Control::top, &Control::setTop),
      geometry("Width", &Control::width, &Control::setWidth),
      geometry("Height", &Control::height, &Control::setHeight),
      {"Alignment", PropType::Alignment, true,
       [](const Control& c) { return PropValue((long long)c.alignment); },
       [](Control& c, const PropValue& v) {
         auto a = std::get<long long>(v);
         c.alignment = a == 1 ? Alignment::Right : a == 2 ? Alignment::Center : Alignment::Left;
       }},
      {"Color", PropType::Colour, true, [](const Control& c) { return PropValue((long long)c.color); },
       [](Control& c, const PropValue& v) { c.color = Colour(std::get<long long>(v)); }},
      {"Font", PropType::Font, true, [](const Control& c) { return PropValue(c.font); },
       [](Control& c, const PropValue& v) { c.font = std::get<Font>(v); }},
      {"Tag", PropType::Integer, true, [](const Control& c) { return PropValue((long long)c.tag); },
       [](Control& c, const PropValue& v) { c.tag = int(std::get<long long>(v)); }},
      {"Visible", PropType::Boolean, true, [](const Control& c) { return PropValue(c.visible); },
       [](Control& c, const PropValue& v) { c.visible = std::get<bool>(v); }},
      {"SelectColor", PropType::Colour, true,
       [](const Control& c) { return PropValue((long long)c.selectColor); },
       [](Control& c, const PropValue& v) { c.selectColor = Colour(std::get<long long>(v)); }},
      {"Selected", PropType::Boolean, true, [](const Control& c) { return PropValue(c.selected); },
       [](Control& c, const PropValue& v) { c.selected = std::get<bool>(v); }},
  };
}

void addUserProperties(PropList& list, unsigned parts) {
  auto user = [](const char* name, int (Control::*get)() const, void (Control::*set)(long long)) {
    return PropInfo{name, PropType::Integer, false,
                    [get](const Control& c) { return PropValue((long long)(c.*get)()); },
                    [set](Control& c, const PropValue& v) { (c.*set)(std::get<long long>(v)); }};
  };
  if (parts & kUserHeight) list.push_back(user("UserHeight", &Control::userHeight, &Control::setUserHeight));
  if (parts & kUserLeft) list.push_back(user("UserLeft", &Control::userLeft, &Control::setUserLeft));
  if (parts & kUserTop) list.push_back(user("UserTop", &Control::userTop, &Control::setUserTop));
  if (parts & kUserWidth) list.push_back(user("UserWidth", &Control::userWidth, &Control::setUserWidth));
}

}  // namespace tw
