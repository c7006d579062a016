#pragma once
// The CControls family (library 1): its kinds, records and design operations.
#include "model/Family.h"

namespace tw {

class CControlsFamily : public Family {
 public:
  std::unique_ptr<Control> create(ClassId id) const override;
  const char* name() const override { return "CControls"; }
  int library() const override { return kLibCControls; }
  const RecordTable& records() const override;
  void writeMenus(IniFile& ini, const FormDocument& form) const override;
  const DesignTables& design() const override;
  std::optional<std::vector<std::string>> choices(const FormDocument* current, const Control& c,
                                                  std::string_view row) const override;
  std::string kindWord(const Control& c) const override;
  Control* createSpecial(Designer& d, FormDocument& form, const KindRow& kind) const override;
  std::string specialText(const FormDocument& form, const Control& c, const RowDef& row) const override;
  void setSpecial(Designer& d, FormDocument& form, Control& c, const RowDef& row,
                  const std::string& text) const override;
};

// The record kind of a control in a CControls form ("Button", "EditLine", ...); empty for none.
std::string ccKind(const Control& c);

}  // namespace tw
