#pragma once
// A project: the form documents of one handheld application and the control library they all use,
// kept in a project file (*.twp) beside the generation settings.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/Font.h"
#include "base/FileStamp.h"

namespace tw {

class AtomicBatch;
class FormDocument;
class IniFile;

// Where the property inspector and the magnifier were, as the ui supplies and applies them.
struct WindowSettings {
  bool inspectorShown = false;
  int inspectorTop = 0, inspectorLeft = 0;
  bool magnifierShown = false;
  // On reading, a missing key leaves the magnifier where it is.
  std::optional<int> magnifierTop, magnifierLeft;
};

// One form document of the project: hidden ones are closed windows, kept in memory but not listed.
struct ProjectForm {
  std::unique_ptr<FormDocument> form;
  bool visible = true;
  bool inProject = true;  // listed in the project file even while closed, when it has a file
};

struct Project {
  std::string name;  // ProjectName: empty when none is open
  std::string file;  // ProjectFile: full path; empty until saved
  int library = 1;
  std::vector<ProjectForm> forms;  // in the application's order of its windows

  // The visible forms, in order: the forms the generator and the first-form list see.
  std::vector<FormDocument*> openForms() const;
};

// ProjectName of a project file: its file name without the last four characters (".twp").
std::string projectNameFromFile(const std::string& path);

// Saves one visible form as its own save does (asking what it must), by adding its file to the
// batch. On return the form's fileName is what the project lists: empty when that save was cancelled.
using FormSaver = std::function<void(FormDocument&, AtomicBatch&)>;

// Writes the project file at path in place, so that sections it does not own (the generation
// settings) stay. Visible forms are saved through saveForm and listed as "Form" + their position in
// the project's list; the forms and the project file are written together. Fails (with why) when
// the existing project file cannot be read or a file cannot be written.
bool writeProjectFile(const Project& project, const std::string& path, const WindowSettings& windows,
                      const FormSaver& saveForm, std::string* why);

// A form saver that saves each form to its fileName without asking; a form without a file is not saved.
FormSaver saveFormsToTheirFiles();

// What reading a project file gives.
struct OpenedProject {
  Project project;
  WindowSettings windows;
  // Listed form files not opened: missing, without a form name, or of another library.
  std::vector<std::string> skipped;
  // What the user is told: forms of another library, and refusals met while reading the controls.
  std::vector<std::string> messages;
  std::string error;     // the project file exists but cannot be read, or is refused
  bool refused = false;  // the project names no known library: nothing of it may be opened
  FileStamp stamp;       // the project file as it was read
};

// Reads a project file and opens its forms in the order of the ActiveForms keys. A form file whose
// own Lib is not the project's is skipped with a message; a project whose Lib is no known library
// is refused. A missing file reads as an empty project. A relative form path is taken from the
// project file's folder. Renamed controls raise *controlCounter, when given.
OpenedProject readProjectFile(const std::string& path, Colour designColour, int* controlCounter = nullptr);

// The same from INI text already read (the fuzz target and tests).
OpenedProject readProject(const IniFile& ini, const std::string& path, Colour designColour,
                          int* controlCounter = nullptr);

}  // namespace tw
