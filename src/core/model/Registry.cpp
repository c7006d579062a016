// The class registry: a control of any class, by class, with the constructor's values.
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCEdit.h"
#include "ccontrols/CCForm.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "ccontrols/CCRadio.h"
#include "ccontrols/CCSwitch.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "ptoolbox/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTGsi.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"
#include "ptoolbox/PTPopTrigger.h"

namespace tw {

std::unique_ptr<Control> createControl(ClassId id) {
  switch (id) {
    case ClassId::CCButton: return std::make_unique<TCCButton>();
    case ClassId::CCSwitch: return std::make_unique<TCCSwitch>();
    case ClassId::CCEdit: return std::make_unique<TCCEdit>();
    case ClassId::CCCheckbox: return std::make_unique<TCCCheckbox>();
    case ClassId::CCLabel: return std::make_unique<TCCLabel>();
    case ClassId::CCListBox: return std::make_unique<TCCListBox>();
    case ClassId::CCRadio: return std::make_unique<TCCRadio>();
    case ClassId::CCDropDown: return std::make_unique<TCCDropDown>();
    case ClassId::CCPopUp: return std::make_unique<TCCPopUp>();
    case ClassId::CCMenuBar: return std::make_unique<TCCMenuBar>();
    case ClassId::CCMenu: return std::make_unique<TCCMenu>();
    case ClassId::CCForm: return std::make_unique<TCCForm>();
    case ClassId::CCBitmap: return std::make_unique<TCCBitmap>();
    case ClassId::PTDialog: return std::make_unique<TPTDialog>();
    case ClassId::PTButton: return std::make_unique<TPTButton>();
    case ClassId::PTPopTrigger: return std::make_unique<TPTPopTrigger>();
    case ClassId::PTEdit: return std::make_unique<TPTEdit>();
    case ClassId::PTCheckbox: return std::make_unique<TPTCheckbox>();
    case ClassId::PTLabel: return std::make_unique<TPTLabel>();
    case ClassId::PTList: return std::make_unique<TPTList>();
    case ClassId::PTGsi: return std::make_unique<TPTGsi>();
  }
  return nullptr;
}

}  // namespace tw
