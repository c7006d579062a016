// Saving when the disk says no: a read-only folder, a full disk and a folder where the file goes
// leave the old file as it was, say why, and change nothing in memory; a program killed in the
// middle of a save leaves the old file or the new one, whole. Form files, project files (written
// together as one batch) and options.ini are each saved through their own writer.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "TestFiles.h"
#include "base/AtomicBatch.h"
#include "codegen/OutputFolder.h"
#include "graphics/Canvas.h"
#include "graphics/Png.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"
#include "model/FormFile.h"
#include "model/Project.h"
#include "model/Shell.h"

using namespace tw;

namespace {

// A small memory file system mounted on a scratch folder; mounting needs privileges a test may not
// have, and then the test is skipped.
struct SmallDisk {
  TempDir dir;
  bool mounted = false;
  std::string error;
  explicit SmallDisk(const char* size) {
    std::string opts = std::string("size=") + size + ",mode=0755";
    mounted = ::mount("tmpfs", dir.path.c_str(), "tmpfs", 0, opts.c_str()) == 0;
    if (!mounted) error = std::strerror(errno);
  }
  bool makeReadOnly() {
    return ::mount(nullptr, dir.path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  // Fills what is left with one file, until the file system refuses another byte.
  void fill() {
    FILE* f = std::fopen((dir.path + "/filler").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
    }
    std::fclose(f);
  }
  ~SmallDisk() {
    if (mounted) ::umount2(dir.path.c_str(), MNT_DETACH);
  }
};

#define NEED_MOUNT(disk)                                                         \
  if (!(disk).mounted) GTEST_SKIP() << "cannot mount a file system: " << (disk).error

std::unique_ptr<FormDocument> openForm(const std::string& path) {
  IniFile ini;
  EXPECT_TRUE(ini.load(path));
  auto f = std::make_unique<FormDocument>(ini.readInteger("FORM", "Lib", 1), ini.readString("FORM", "Name", "F"));
  loadForm(*f, ini, kWhite, nullptr);
  return f;
}

std::string fileText(const std::string& path) { return readWholeFile(path).value_or("<missing>"); }

// The three writers over one target each in a folder: the old files' bytes, and what a failed save
// must leave in memory.
struct Saves {
  std::string folder;
  std::string formPath, projectPath, optionsPath;
  std::unique_ptr<FormDocument> form;
  Project project;
  IniFile options;
  std::string oldForm, oldProject, oldOptions;

  explicit Saves(const std::string& dir) : folder(dir) {
    formPath = dir + "/Main.twk";
    projectPath = dir + "/Demo.twp";
    optionsPath = dir + "/options.ini";
    form = openForm(TW_EXAMPLES_DIR "/ccontrols/Main.twk");
    form->fileName = formPath;
    EXPECT_TRUE(saveForm(*form, formPath, nullptr));
    oldForm = fileText(formPath);
    project.library = form->library();
    project.forms.push_back({openForm(TW_EXAMPLES_DIR "/ccontrols/Settings.twk"), true});
    project.forms[0].form->fileName = dir + "/Settings.twk";
    EXPECT_TRUE(writeProjectFile(project, projectPath, {}, saveFormsToTheirFiles(), nullptr));
    oldProject = fileText(projectPath);
    writeOptionsLibrary(options, 1);
    RecentProjects mru;
    mru.add(projectPath);
    mru.save(options);
    EXPECT_TRUE(options.save(optionsPath));
    oldOptions = fileText(optionsPath);
  }

  // Changes each document so that saving would write something new, then saves all three; each must
  // fail with a reason that names the file and holds want, and leave the file and memory alone.
  void saveAllAndExpectFailure(const std::string& want) {
    form->screen().title = "Changed title that makes the file longer than it was";
    project.forms[0].form->screen().title = "Another long changed title";
    project.library = 1;
    writeOptionsLibrary(options, 2);
    const std::string formBefore = formToIni(*form).serialize();
    const std::string settingsBefore = formToIni(*project.forms[0].form).serialize();
    const std::string optionsBefore = options.serialize();
    const std::string oldSettings = fileText(folder + "/Settings.twk");

    // Each save fails with a reason that names each file it could not write, and the cause.
    auto refused = [&](bool saved, const std::string& why, std::initializer_list<std::string> names) {
      EXPECT_FALSE(saved);
      for (const std::string& part : names) EXPECT_NE(why.find(part), std::string::npos) << why;
      EXPECT_NE(why.find(want), std::string::npos) << why;
    };
    std::string whyForm, whyProject, whyOptions;
    refused(saveForm(*form, formPath, &whyForm), whyForm, {formPath});
    refused(writeProjectFile(project, projectPath, {}, saveFormsToTheirFiles(), &whyProject), whyProject,
            {projectPath, folder + "/Settings.twk"});
    refused(options.save(optionsPath, &whyOptions), whyOptions, {optionsPath});

    EXPECT_EQ(fileText(formPath), oldForm);
    EXPECT_EQ(fileText(projectPath), oldProject);
    EXPECT_EQ(fileText(folder + "/Settings.twk"), oldSettings);
    EXPECT_EQ(fileText(optionsPath), oldOptions);
    EXPECT_EQ(formToIni(*form).serialize(), formBefore);
    EXPECT_EQ(form->fileName, formPath);
    EXPECT_EQ(formToIni(*project.forms[0].form).serialize(), settingsBefore);
    EXPECT_EQ(project.forms[0].form->fileName, folder + "/Settings.twk");
    EXPECT_EQ(options.serialize(), optionsBefore);
  }
};

}  // namespace

// No temporary is left behind to use up the space.
TEST(SaveFaults, ReadOnlyFolderAndFullDisk) {
  for (const bool full : {false, true}) {
    SmallDisk disk(full ? "64k" : "256k");
    NEED_MOUNT(disk);
    Saves s(disk.dir.path);
    if (full) disk.fill();
    else ASSERT_TRUE(disk.makeReadOnly()) << std::strerror(errno);
    s.saveAllAndExpectFailure(full ? "No space left on device" : "Read-only file system");
    if (full) ::unlink((disk.dir.path + "/filler").c_str());
    EXPECT_EQ(disk.dir.list(), (std::vector<std::string>{"Demo.twp", "Main.twk", "Settings.twk", "options.ini"}));
  }
}

// Generated files are not flushed before their rename, but are still never replaced by a part.
TEST(SaveFaults, GeneratedFilesOnAFullDiskStayAsTheyWere) {
  SmallDisk disk("64k");
  NEED_MOUNT(disk);
  GeneratedCode code;
  code.main = code.forms = code.events = code.header = {"old"};
  OutputRequest r;
  r.folder = disk.dir.path;
  r.project = "Demo";
  r.memos = true;
  ASSERT_TRUE(saveOutputFolder(r, code, nullptr).ok());
  disk.fill();
  const std::vector<std::string> before = disk.dir.list();
  code.main = code.forms = code.events = code.header = {std::string(8192, 'n')};
  OutputResult res = saveOutputFolder(r, code, [](const std::string&) { return ReplaceAnswer::Yes; });
  EXPECT_NE(res.error.find("No space left on device"), std::string::npos) << res.error;
  EXPECT_EQ(disk.dir.list(), before);
  for (const std::string& f : sourceFileNames(disk.dir.path + "/", "Demo")) EXPECT_EQ(fileText(f), "old\r\n");
  // Nor does a picture that does not fit leave a part of itself.
  EXPECT_FALSE(writePng(disk.dir.path + "/screen.png", Canvas(160, 160), nullptr));
  EXPECT_EQ(disk.dir.list(), before);
}

TEST(SaveFaults, FolderWhereTheFileGoes) {
  TempDir dir;
  Saves s(dir.path);
  for (const std::string& p : {s.formPath, s.projectPath, s.optionsPath, dir.path + "/Settings.twk"}) {
    ::unlink(p.c_str());
    makeDir(p);
  }
  // A project file that is a folder cannot be read either: that is the reason given.
  std::string why;
  EXPECT_FALSE(writeProjectFile(s.project, s.projectPath, {}, saveFormsToTheirFiles(), &why));
  EXPECT_NE(why.find(s.projectPath), std::string::npos) << why;
  ::rmdir(s.projectPath.c_str());
  why.clear();
  EXPECT_FALSE(writeProjectFile(s.project, s.projectPath, {}, saveFormsToTheirFiles(), &why));
  EXPECT_NE(why.find(dir.path + "/Settings.twk: it is a folder"), std::string::npos) << why;
  EXPECT_TRUE(isDirectory(dir.path + "/Settings.twk"));

  why.clear();
  EXPECT_FALSE(saveForm(*s.form, s.formPath, &why));
  EXPECT_NE(why.find("it is a folder"), std::string::npos) << why;
  why.clear();
  EXPECT_FALSE(s.options.save(s.optionsPath, &why));
  EXPECT_NE(why.find("it is a folder"), std::string::npos) << why;
  EXPECT_TRUE(isDirectory(s.formPath));
  EXPECT_TRUE(isDirectory(s.optionsPath));

  // Nor is a pipe replaced by a regular file, alone or in a batch.
  ::rmdir(s.formPath.c_str());
  ASSERT_EQ(::mkfifo(s.formPath.c_str(), 0600), 0);
  why.clear();
  EXPECT_FALSE(saveForm(*s.form, s.formPath, &why));
  EXPECT_NE(why.find("it is not a regular file"), std::string::npos) << why;
  AtomicBatch batch;
  batch.add(s.formPath, "x");
  std::vector<std::string> errors;
  EXPECT_FALSE(batch.commit(&errors));
  struct stat st;
  ASSERT_EQ(::stat(s.formPath.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A child saves two versions in turn as fast as it can and is killed at a moment of our choosing:
// the file is always one of the two versions, whole.
TEST(SaveFaults, KilledInTheMiddleOfASave) {
  TempDir dir;
  auto big = openForm(TW_EXAMPLES_DIR "/ccontrols/Main.twk");
  const std::string a = formToIni(*big).serialize();
  big->screen().title = std::string(4000, 'T');  // a longer file, that takes longer to write
  const std::string b = formToIni(*big).serialize();
  const std::string formPath = dir.path + "/Main.twk", projectPath = dir.path + "/P.twp";
  ASSERT_TRUE(writeFileAtomic(formPath, a));

  Project p;
  p.library = big->library();
  p.forms.push_back({openForm(TW_EXAMPLES_DIR "/ccontrols/Settings.twk"), true});
  p.forms[0].form->fileName = dir.path + "/Settings.twk";
  ASSERT_TRUE(writeProjectFile(p, projectPath, {}, saveFormsToTheirFiles(), nullptr));
  const std::string projectA = fileText(projectPath);

  for (int round = 0; round < 12; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        (void)writeFileAtomic(formPath, i % 2 ? b : a);
        p.forms[0].form->screen().title = i % 2 ? std::string(3000, 'x') : "Settings";
        (void)writeProjectFile(p, projectPath, {}, saveFormsToTheirFiles(), nullptr);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(3 + round * 7));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = fileText(formPath);
    EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    OpenedProject opened = readProjectFile(projectPath, kWhite);
    EXPECT_TRUE(opened.error.empty()) << opened.error;
    ASSERT_EQ(opened.project.forms.size(), 1u) << "round " << round;
    const std::string title = opened.project.forms[0].form->screen().title;
    EXPECT_TRUE(title == "Settings" || title == std::string(3000, 'x')) << title.size();
  }
  // Whatever temporaries the killed saves left go at the next save into the folder.
  ASSERT_TRUE(writeFileAtomic(formPath, a));
  EXPECT_EQ(dir.list(), (std::vector<std::string>{"Main.twk", "P.twp", "Settings.twk"}));
}

TEST(SaveFaults, LeftoversOfKilledSavesGoAtTheNextSaveAndNothingElse) {
  TempDir dir;
  const std::string formPath = dir.path + "/Main.twk";
  auto leave = [&](const std::string& name) { writeText(dir.path + "/" + name, "[FORM]\r\nName=half"); };
  leave(".Main.twk.AbC123");
  leave(".Other.TWP.x1Y2z3");
  leave(".notes.txt.AbC123");  // not a kind of file we save
  leave("Main.twk.AbC123");    // not hidden: not our temporary
  leave(".Main.twk.AbC12");    // not the name mkstemp makes
  // A save in progress (here: ours, from another process or thread) holds its temporary locked.
  leave(".Main.twk.Live01");
  int live = ::open((dir.path + "/.Main.twk.Live01").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);

  ASSERT_TRUE(writeFileAtomic(formPath, "[FORM]\r\n"));
  EXPECT_EQ(dir.list(), (std::vector<std::string>{".Main.twk.AbC12", ".Main.twk.Live01", ".notes.txt.AbC123",
                                                  "Main.twk", "Main.twk.AbC123"}));
  ::close(live);

  // The project's batch cleans each folder it writes into.
  leave(".Settings.twk.Zz9Zz9");
  Project p;
  p.forms.push_back({openForm(TW_EXAMPLES_DIR "/ccontrols/Settings.twk"), true});
  p.forms[0].form->fileName = dir.path + "/Settings.twk";
  ASSERT_TRUE(writeProjectFile(p, dir.path + "/P.twp", {}, saveFormsToTheirFiles(), nullptr));
  EXPECT_EQ(dir.list(), (std::vector<std::string>{".Main.twk.AbC12", ".notes.txt.AbC123", "Main.twk",
                                                  "Main.twk.AbC123", "P.twp", "Settings.twk"}));
}

// A form or project file that is a symbolic link stays one: the file it points to is updated.
TEST(SaveFaults, SavesWriteThroughSymbolicLinks) {
  TempDir dir;
  makeDir(dir.path + "/real");
  const std::string real = dir.path + "/real/Main.twk", link = dir.path + "/Main.twk", alias = dir.path + "/Alias.twk";
  writeText(real, "old");
  ::chmod(real.c_str(), 0640);
  ASSERT_EQ(::symlink("real/Main.twk", link.c_str()), 0);
  ASSERT_EQ(::symlink(link.c_str(), alias.c_str()), 0);  // a link to the link
  auto isLink = [](const std::string& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  };
  auto form = openForm(TW_EXAMPLES_DIR "/ccontrols/Main.twk");
  std::string why;
  ASSERT_TRUE(saveForm(*form, alias, &why)) << why;
  EXPECT_TRUE(isLink(link) && isLink(alias));
  EXPECT_EQ(fileText(real), formToIni(*form).serialize());
  struct stat st;
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  // With its project, and for a link whose file does not exist yet.
  const std::string projectReal = dir.path + "/real/P.twp", projectLink = dir.path + "/P.twp";
  ASSERT_EQ(::symlink(projectReal.c_str(), projectLink.c_str()), 0);
  Project p;
  p.forms.push_back({std::move(form), true});
  p.forms[0].form->fileName = link;
  p.forms[0].form->screen().title = "Through the link";
  ASSERT_TRUE(writeProjectFile(p, projectLink, {}, saveFormsToTheirFiles(), &why)) << why;
  EXPECT_TRUE(isLink(link) && isLink(projectLink));
  EXPECT_EQ(fileText(real), formToIni(*p.forms[0].form).serialize());
  EXPECT_NE(fileText(projectReal).find("Form0=" + link), std::string::npos);
  EXPECT_EQ(dir.list(), (std::vector<std::string>{"Alias.twk", "Main.twk", "P.twp", "real"}));

  // Links that go round in a loop are refused, and nothing is written.
  const std::string loopA = dir.path + "/A.twk", loopB = dir.path + "/B.twk";
  ASSERT_EQ(::symlink(loopB.c_str(), loopA.c_str()), 0);
  ASSERT_EQ(::symlink(loopA.c_str(), loopB.c_str()), 0);
  EXPECT_FALSE(writeFileAtomic(loopA, "x", &why));
  EXPECT_EQ(why, "Cannot write " + loopA + ": its symbolic links go round in a loop");
  std::vector<std::string> errors;
  AtomicBatch batch;
  batch.add(loopB, "x");
  EXPECT_FALSE(batch.commit(&errors));
  EXPECT_EQ(errors, std::vector<std::string>{"Cannot write " + loopB + ": its symbolic links go round in a loop"});
  EXPECT_TRUE(isLink(loopA) && isLink(loopB));
}

// Reading is bounded: a file up to the limit is read whole, one byte more is refused by name, and a
// file that cannot be opened or is not a plain file (a folder, a pipe) says so.
TEST(SaveFaults, ReadingIsBoundedAndSaysWhy) {
  TempDir dir;
  const std::string big = dir.path + "/big.twk";
  writeText(big, "");
  ASSERT_EQ(::truncate(big.c_str(), off_t(kMaxInputFile)), 0);  // sparse: no disk used
  std::string why;
  auto whole = readWholeFile(big, &why);
  ASSERT_TRUE(whole) << why;
  EXPECT_EQ(whole->size(), kMaxInputFile);
  ASSERT_EQ(::truncate(big.c_str(), off_t(kMaxInputFile + 1)), 0);
  EXPECT_FALSE(readWholeFile(big, &why));
  EXPECT_EQ(why, "Cannot read " + big + ": the file is too large");
  EXPECT_FALSE(readWholeFile(dir.path + "/none.twk", &why));
  EXPECT_EQ(why.rfind("Cannot open " + dir.path + "/none.twk", 0), 0u) << why;
  EXPECT_FALSE(readWholeFile(dir.path, &why));
  EXPECT_EQ(why, "Cannot read " + dir.path + ": not a regular file");
  const std::string pipe = dir.path + "/pipe.twk";  // no one writes it: refused, not waited on
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(readWholeFile(pipe, &why));
  EXPECT_EQ(why, "Cannot read " + pipe + ": not a regular file");
}
