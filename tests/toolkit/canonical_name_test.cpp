// Tests of the canonical file name: the name itself, the handed-over path, and the
// start-up check made by copies of a probe program in a fresh folder.
#include "toolkit/canonical_name.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "child_process.h"
#include "temp_folder.h"

namespace qiro {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCanonical = QIRO_PROBE_BASE_NAME;  // no suffix on Linux

TEST(CanonicalName, AppendsTheSuffixOnceAndKeepsTheBareFileName) {
  struct Case {
    const char* baseName;
    const char* suffix;
    const char* name;
  };
  const Case cases[] = {
      {"Q-I-RO-demo119", "", "Q-I-RO-demo119"},
      {"Q-I-RO-demo119", ".exe", "Q-I-RO-demo119.exe"},
      {"Q-I-RO-DEMO119.EXE", ".exe", "Q-I-RO-DEMO119.EXE"},
      {"prog.exe", ".EXE", "prog.exe"},
      {"prog.exe.bak", ".exe", "prog.exe.bak.exe"},
      {"C:\\Jeux\\prog", ".exe", "prog.exe"},
      {"/games/qiro", "", "qiro"},
      // The file's own name, dots and blanks included: another would name another file.
      {"my..prog.", "", "my..prog."},
      {" my prog", "", " my prog"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(canonicalFileName(c.baseName, c.suffix).view(), c.name)
        << c.baseName << " + " << c.suffix;
  }
}

TEST(CanonicalName, HandedOverPathIsWhatFollowsKillexe) {
  struct Case {
    const char* tail;
    const char* path;
  };
  const Case cases[] = {
      {" killexe=old", "old"},
      {"KILLEXE=/games/old qiro", "/games/old qiro"},
      {"killexe=", ""},
      {"killexe", ""},
      {"", ""},
      {"xkillexe=old", ""},
      // What a quoted program path leaves in front.
      {"\"\" killexe=old", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(handedOverPath(c.tail).view(), c.path) << c.tail;
  }
}

// Each test works in a fresh folder on copies of the probe (canonical_probe.cpp), run with
// that folder, or one inside it, as their current folder.
class CanonicalProbe : public TempFolder {
 protected:
  static std::string probeBytes() {
    std::ifstream in(QIRO_PROBE_PATH, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void placeProbe(const std::string& name) const {
    ASSERT_TRUE(fs::copy_file(QIRO_PROBE_PATH, native(name))) << name;
  }
  void placeScript(const std::string& name, const std::string& body) const {
    writeBytes(name, "#!/bin/sh\n" + body + "\n");
    fs::permissions(native(name), fs::perms::owner_all);
  }
  // The exit code of program (a path inside the test's folder) run in folder.
  int run(const std::string& folder, const std::string& program,
          const std::vector<std::string>& arguments = {}) const {
    return exitCodeIn(native(folder), native(program), arguments);
  }
  std::vector<std::string> entries(const std::string& folder) const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(native(folder))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // What the probe writes after its check.
  static std::string note(const std::string& name, bool answer, const std::string& tail) {
    return "name=" + name + "\r\nanswer=" + (answer ? "1" : "0") + "\r\ntail=" + tail + "\r\n";
  }
};

TEST_F(CanonicalProbe, LeavesEverythingAsItWasUnlessHandedAPreviousCopy) {
  enum class Old { none, folder, otherFile, alteredCopy, copy };
  struct Case {
    std::string runAs;
    std::string tail;
    Old old;
    bool oldStays;
    bool answer;
  };
  const Case cases[] = {
      {kCanonical, "", Old::none, false, true},
      // Letter case is ignored, as on Windows: this name is taken as the canonical one and
      // no second file is made beside it.
      {"QIRO-PROBE", "", Old::none, false, true},
      {"other-name", "nocopy", Old::none, false, false},
      {kCanonical, "killexe=old", Old::none, false, true},
      {kCanonical, "killexe=old", Old::folder, true, true},
      {kCanonical, "killexe=old", Old::otherFile, true, true},
      {kCanonical, "killexe=old", Old::alteredCopy, true, true},
      {kCanonical, "KILLEXE=old", Old::copy, false, true},
      // Never the running file itself, though it holds the very same bytes.
      {kCanonical, std::string("killexe=") + kCanonical, Old::none, false, true},
  };
  const std::string program = probeBytes();
  std::string altered = program;
  altered[altered.size() / 2] ^= 1;  // the same size, one bit apart

  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = "case" + std::to_string(++number);
    SCOPED_TRACE(folder + ": " + c.runAs + " " + c.tail);
    makeFolder(folder, false);
    placeProbe(folder + "/" + c.runAs);
    const std::string old = folder + "/old";
    switch (c.old) {
      case Old::none:
        break;
      case Old::folder:
        makeFolder(old, true);
        break;
      case Old::otherFile:
        writeBytes(old, "some other file");
        break;
      case Old::alteredCopy:
        writeBytes(old, altered);
        break;
      case Old::copy:
        placeProbe(old);
        break;
    }
    std::vector<std::string> arguments;
    if (!c.tail.empty()) arguments.push_back(c.tail);

    EXPECT_EQ(run(folder, folder + "/" + c.runAs, arguments), 0);

    EXPECT_EQ(readBytes(folder + "/" + c.runAs + ".ran"), note(c.runAs, c.answer, c.tail));
    std::vector<std::string> expected = {c.runAs, c.runAs + ".ran"};
    if (c.oldStays) expected.emplace_back("old");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(folder), expected);
    // Compared without printing: these are whole programs.
    EXPECT_TRUE(readBytes(folder + "/" + c.runAs) == program);
    if (c.old == Old::folder) {
      EXPECT_EQ(readBytes(old + "/inside"), "keep");
    } else if (c.oldStays) {
      EXPECT_TRUE(readBytes(old) == (c.old == Old::alteredCopy ? altered : "some other file"));
    }
  }
}

TEST_F(CanonicalProbe, CopiesItselfToTheCanonicalNameAndTheCopyRemovesTheOldFile) {
  placeProbe("other-name");
  writeBytes(kCanonical, "an older file, replaced by the copy");

  // The first process ends right after starting the copy, without a note of its own.
  EXPECT_EQ(run(".", "other-name"), 0);
  ASSERT_TRUE(appears(native(std::string(kCanonical) + ".ran")));

  // The copy removed the old file before it wrote its note.
  EXPECT_EQ(readBytes(std::string(kCanonical) + ".ran"),
            note(kCanonical, true, "killexe=other-name"));
  const std::vector<std::string> expected = {kCanonical, std::string(kCanonical) + ".ran"};
  EXPECT_EQ(entries("."), expected);
  EXPECT_TRUE(readBytes(kCanonical) == probeBytes());
}

TEST_F(CanonicalProbe, CopiesOnlyWhatItsNameNamesInTheCurrentFolderWhenThatIsItself) {
  // Started from another folder: its name in the current folder is some other program,
  // which must be neither copied nor started.
  makeFolder("elsewhere", false);
  placeProbe("elsewhere/other-name");
  placeScript("other-name", "touch script-ran");

  EXPECT_EQ(run(".", "elsewhere/other-name"), 0);

  EXPECT_EQ(readBytes("other-name.ran"), note("other-name", false, ""));
  const std::vector<std::string> expected = {"elsewhere", "other-name", "other-name.ran"};
  EXPECT_EQ(entries("."), expected);
}

TEST_F(CanonicalProbe, AFailedCopyAnswersFalseAndRunsOn) {
  // No copy can replace a pipe, whoever runs it.
  placeProbe("other-name");
  ASSERT_EQ(mkfifo(native(kCanonical).c_str(), 0600), 0);

  EXPECT_EQ(run(".", "other-name"), 0);

  EXPECT_EQ(readBytes("other-name.ran"), note("other-name", false, ""));
  const std::vector<std::string> expected = {"other-name", "other-name.ran", kCanonical};
  EXPECT_EQ(entries("."), expected);
  EXPECT_TRUE(fs::is_fifo(native(kCanonical)));
}

TEST_F(CanonicalProbe, RunProgramAndExitEndsWithCodeZeroWhetherOrNotTheStartSucceeded) {
  struct Case {
    std::string program;
    bool starts;
  };
  const Case cases[] = {{"start.sh", true}, {"missing", false}};
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = "case" + std::to_string(++number);
    SCOPED_TRACE(c.program);
    makeFolder(folder, false);
    placeProbe(folder + "/" + kCanonical);
    placeScript(folder + "/start.sh", "touch started");

    // The probe writes no note: it ends in runProgramAndExit, before that.
    EXPECT_EQ(run(folder, folder + "/" + kCanonical, {"run=" + c.program}), 0);

    std::vector<std::string> expected = {kCanonical, "start.sh"};
    if (c.starts) {
      ASSERT_TRUE(appears(native(folder + "/started")));
      expected.emplace_back("started");
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(folder), expected);
  }
}

}  // namespace
}  // namespace qiro
