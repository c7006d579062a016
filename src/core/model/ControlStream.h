#pragma once
// The control clipboard's payload: one control as text, with its class, its component name and
// every stored published property, and back.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Control.h"

namespace tw {

// "application/x-tarnowick-control" on the system clipboard.
inline constexpr const char* kControlMimeType = "application/x-tarnowick-control";

std::string writeControlPayload(const Control& c, std::string_view name);

struct StreamedControl {
  std::unique_ptr<Control> control;  // not yet named or placed
  std::string name;                  // the component name it was streamed with
};
// Any bytes may come in: anything that is not a well-formed payload of a streamable class is
// refused with the reason in why.
std::optional<StreamedControl> readControlPayload(std::string_view payload, std::string* why);
// Several controls are their payloads one after another; each starts with the header line. All of
// them, or nothing (with why) when one is refused.
std::optional<std::vector<StreamedControl>> readControlsPayload(std::string_view payload, std::string* why);

}  // namespace tw
