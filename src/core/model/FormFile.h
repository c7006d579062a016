#pragma once
// Form files (*.twk): the FORM header, then one section per control, then the menus.
#include <memory>
#include <string>
#include <vector>

#include "graphics/Font.h"

namespace tw {

class FormDocument;
class IniFile;

// The whole file of a form, as saving writes it.
IniFile formToIni(const FormDocument& form);
// Writes the form file at path; on failure the old file stays and why says what went wrong. The
// file a form was only partly read from is never written over.
bool saveForm(const FormDocument& form, const std::string& path, std::string* why);
// Why the form may not be saved at path (the file it was partly read from); empty when it may.
std::string partlyReadRefusal(const FormDocument& form, const std::string& path);

// Fills a new document from a form file's INI text: title, window position, every control. A record
// whose name is refused is read under a fresh name (raising *controlCounter, when given) and the
// rename reported; a record of a kind the library lacks is reported and marks the file partly read.
void loadForm(FormDocument& form, const IniFile& ini, Colour designColour, std::vector<std::string>* messages,
              int* controlCounter = nullptr);

// Opens a form file as the open-form command does.
struct OpenedForm {
  std::unique_ptr<FormDocument> form;  // null when nothing was opened
  std::string error;                   // why, when the user is to be told; empty for a file without a name
  std::vector<std::string> messages;   // refusals met while reading the controls
};
OpenedForm openFormFile(const std::string& path, int currentLibrary, Colour designColour,
                        int* controlCounter = nullptr);
// The same on a form file already read into ini (its path set), for a caller that looked into it first.
OpenedForm openFormIni(const IniFile& ini, int currentLibrary, Colour designColour, int* controlCounter = nullptr);

}  // namespace tw
