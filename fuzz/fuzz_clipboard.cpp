// Any bytes as the control clipboard's payload: read it, write it back and read that again, and
// paste it into a form of each library, then inspect, copy and cut what was pasted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/ControlStream.h"
#include "model/Designer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string why;
  if (auto c = tw::readControlPayload(bytes, &why)) {
    // Whatever was taken in can be given out again.
    std::string again = tw::writeControlPayload(*c->control, c->name);
    if (!tw::readControlPayload(again, &why)) std::abort();
  }
  for (int lib : {tw::kLibCControls, tw::kLibPToolbox}) {
    tw::RecordingMessages messages;
    tw::Designer d(messages, lib);
    tw::FormDocument& form = d.newForm();
    d.tool = tw::Tool::Dialog;
    d.place(form, 0, 0, nullptr);  // pasting targets the inspected dialog
    if (!d.paste(bytes)) continue;
    for (const auto& row : d.propertyRows()) d.setValue(row.name, row.text);
    d.controlList(form);
    if (auto copied = d.copy()) d.paste(*copied);
    d.cut();
  }
  return 0;
}
