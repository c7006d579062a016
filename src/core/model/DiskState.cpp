#include "DiskState.h"

#include "Designer.h"
#include "Shell.h"
#include "FormDocument.h"
#include "FormFile.h"
#include "History.h"
#include "graphics/Fonts.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/PTDialog.h"

namespace tw {

std::string formText(const FormDocument& form) { return formToIni(form).serialize(); }

bool hasUnsavedChanges(const FormDocument& form) {
  return form.savedText.empty() || form.savedText != formText(form);
}

void markSaved(FormDocument& form) {
  form.savedText = formText(form);
  form.diskStamp = stampOf(form.fileName);
}

void markUnsaved(FormDocument& form) { form.savedText.clear(); }

Message changedOnDiskQuestion(const std::string& path, const std::string& caption) {
  return {MsgIcon::Warning, caption,
          path + " was changed by another program after it was opened or saved here. Do you want to replace it "
                 "with this version? (No keeps the file on disk and leaves your changes unsaved.)",
          kYes | kNo, kNo};
}

Message reloadQuestion(const std::string& path) {
  return {MsgIcon::Question, "Confirm",
          path + " was changed by another program. Do you want to reload it?", kYes | kNo, kYes};
}

bool mayOverwrite(Messages& m, const std::string& path, const FileStamp& known, const std::string& caption,
                  bool* keptNewer) {
  if (keptNewer) *keptNewer = false;
  if (known.path == path) {
    if (!changedOnDisk(known)) return true;  // the file it was read from or written to, as it left it
    if (m.show(changedOnDiskQuestion(path, caption)) == kYes) return true;
    if (keptNewer) *keptNewer = true;
    return false;
  }
  return !fileExists(path) || m.show(replaceQuestion(path, caption)) == kYes;
}

bool mayOverwriteForm(Messages& m, FormDocument& form, const std::string& caption) {
  bool keptNewer = false;
  if (mayOverwrite(m, form.fileName, form.diskStamp, caption, &keptNewer)) return true;
  if (keptNewer) markUnsaved(form);
  return false;
}

bool reloadForm(Designer& d, FormDocument& form, std::string* why, std::vector<std::string>* messages) {
  OpenedForm opened = openFormFile(form.fileName, form.library(), d.designColour);
  if (!opened.form) {
    if (why) *why = opened.error.empty() ? form.fileName + " holds no form" : opened.error;
    return false;
  }
  FormDocument& fresh = *opened.form;
  const bool inspected = d.selectedForm() == &form;
  beginStep(d, form, "Reload");
  while (!form.screen().children().empty()) form.remove(form.screen().children().back().get());
  while (!form.windowChildren().empty()) form.remove(form.windowChildren().back().get());
  // The controls move over whole, so the shown dialog is the same object in its new document.
  TPTDialog* shown = fresh.shownDialog;
  while (!fresh.screen().children().empty())
    form.add(fresh.remove(fresh.screen().children().front().get()), &form.screen());
  while (!fresh.windowChildren().empty()) form.add(fresh.remove(fresh.windowChildren().front().get()), nullptr);
  form.shownDialog = shown;
  form.lastSelected = nullptr;
  form.formName = fresh.formName;
  form.screen().title = fresh.screen().title;
  form.screen().style = fresh.screen().style;
  // A form read from a file is painted once before anything reads it back.
  form.applyPaintRules(handheldFonts());
  if (inspected) d.presentForm(form);
  commitStep(d, form);
  form.savedText = formText(form);
  form.diskStamp = fresh.diskStamp;
  if (messages) messages->insert(messages->end(), opened.messages.begin(), opened.messages.end());
  return true;
}

}  // namespace tw
