#pragma once
// Form files (*.twk): the FORM header, then one section per control, then the menus.
#include <memory>
#include <string>
#include <vector>

#include "Font.h"

namespace tw {

class FormDocument;
class IniFile;

// The whole file of a form, as saving writes it.
IniFile formToIni(const FormDocument& form);
// Writes the form file at path; on failure the old file stays and why says what went wrong.
bool saveForm(const FormDocument& form, const std::string& path, std::string* why);

// Fills a new document from a form file's INI text: title, window position, every control.
void loadForm(FormDocument& form, const IniFile& ini, Colour designColour, std::vector<std::string>* messages);

// Opens a form file as the open-form command does.
struct OpenedForm {
  std::unique_ptr<FormDocument> form;  // null when nothing was opened
  std::string error;                   // why, when the user is to be told; empty for a file without a name
  std::vector<std::string> messages;   // refusals met while reading the controls
};
OpenedForm openFormFile(const std::string& path, int currentLibrary, Colour designColour);

}  // namespace tw
