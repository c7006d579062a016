#pragma once
// The PToolboxLib family (library 2): its kinds, records and design operations.
#include "model/Family.h"

namespace tw {

class PToolboxFamily : public Family {
 public:
  std::unique_ptr<Control> create(ClassId id) const override;
  const char* name() const override { return "PToolboxLib"; }
  int library() const override { return kLibPToolbox; }
  const RecordTable& records() const override;
  const DesignTables& design() const override;
  std::optional<std::vector<std::string>> choices(const FormDocument* current, const Control& c,
                                                  std::string_view row) const override;
  std::string kindWord(const Control& c) const override;
  std::string specialText(const FormDocument& form, const Control& c, const RowDef& row) const override;
  void setSpecial(Designer& d, FormDocument& form, Control& c, const RowDef& row,
                  const std::string& text) const override;
};

// The record kind of a control in a PToolboxLib form ("Button", "Push", "Select", ...); empty for none.
std::string ptKind(const Control& c);

}  // namespace tw
