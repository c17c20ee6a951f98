// Tests of starting programs and of removing a file after a pause.
#include "toolkit/processes.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "platform/process.h"
#include "temp_folder.h"

namespace qiro {
namespace {

namespace fs = std::filesystem;

class ProcessRun : public TempFolder {
 protected:
  // A script that takes a second, then writes its argument count and arguments beside
  // itself (whole, by a rename), so a caller that did not wait finds nothing yet.
  Text argumentWriter() {
    writeBytes("args.sh",
               "#!/bin/sh\n"
               "sleep 1\n"
               "cd \"$(dirname \"$0\")\" && printf '%s|' \"$#\" \"$@\" > args.tmp &&\n"
               "mv args.tmp args.txt\n");
    fs::permissions(native("args.sh"), fs::perms::owner_all);
    return pathOf("args.sh");
  }
};

TEST_F(ProcessRun, AnswersFalseForWhatCannotStart) {
  writeBytes("plain.txt", "not a program");
  writeBytes("noscript", "not a program either");
  fs::permissions(native("noscript"), fs::perms::owner_all);
  makeFolder("folder", false);
  const Text cannotStart[] = {
      Text(),
      pathOf("missing"),
      pathOf("folder"),
      pathOf("plain.txt"),  // not executable
      pathOf("noscript"),   // executable, but in no format the system runs
      // A bare name is a file of the current folder, never one found on the search path.
      Text("true"),
  };
  for (const Text& program : cannotStart) {
    for (const bool wait : {true, false}) {
      EXPECT_FALSE(runProgram(program, "x", wait)) << program.view() << " wait " << wait;
      EXPECT_TRUE(noChildLeft()) << program.view();
    }
  }
}

TEST_F(ProcessRun, WaitsForTheEndAndPassesThePiecesBetweenSpaces) {
  EXPECT_TRUE(runProgram(argumentWriter(), "  one two   three ", true));
  EXPECT_EQ(readBytes("args.txt"), "3|one|two|three|");
  EXPECT_TRUE(noChildLeft());
  // The exit code does not matter: the program started.
  EXPECT_TRUE(runProgram("/bin/sh", "-c false", true));
}

TEST_F(ProcessRun, WithoutWaitingLeavesNoChildBehind) {
  EXPECT_TRUE(runProgram(argumentWriter(), "", false));
  // The program is still in its pause, yet it is no child of ours to reap.
  EXPECT_TRUE(noChildLeft());
  ASSERT_TRUE(appears(native("args.txt")));
  EXPECT_EQ(readBytes("args.txt"), "0|");
}

class DelayedDelete : public TempFolder {
 protected:
  RecordedSleeps sleeps_;
};

TEST_F(DelayedDelete, AnswersTrueAtOnceWhenNoFileIsThere) {
  makeFolder("folder", true);
  ASSERT_EQ(mkfifo(native("pipe").c_str(), 0600), 0);
  // Opening a pipe to see whether it is there would wait for a writer for ever.
  for (const char* name : {"missing", "folder", "pipe"}) {
    EXPECT_TRUE(delayedDelete(pathOf(name), 300, false)) << name;
    EXPECT_TRUE(delayedDelete(pathOf(name), 300, true)) << name;
  }
  EXPECT_TRUE(sleeps_.requests().empty());
  EXPECT_EQ(readBytes("folder/inside"), "keep");
  EXPECT_TRUE(fs::is_fifo(native("pipe")));
}

TEST_F(DelayedDelete, RemovesTheFileAfterThePause) {
  struct Case {
    int pauseMs;
    std::vector<int> sleeps;
  };
  const Case cases[] = {{300, {300}}, {0, {}}, {-5, {}}};
  for (const Case& c : cases) {
    RecordedSleeps sleeps;
    writeBytes("doomed", "data");
    EXPECT_TRUE(delayedDelete(pathOf("doomed"), c.pauseMs, false)) << c.pauseMs;
    EXPECT_EQ(sleeps.requests(), c.sleeps) << c.pauseMs;
    EXPECT_EQ(entryCount(), 0) << c.pauseMs;
  }
}

TEST_F(DelayedDelete, WipeCoversTheContentBeforeTheFileGoes) {
  // A second name for the same file shows what became of its content.
  struct Case {
    bool wipe;
    std::string contentLeft;
  };
  const Case cases[] = {
      {false, "secret data"},
      // 11 bytes and the "z" line make 14: three lines of "===>" cover them.
      {true, "===>\r\n===>\r\n===>\r\n"},
  };
  for (const Case& c : cases) {
    writeBytes("doomed", "secret data");
    fs::create_hard_link(native("doomed"), native("second name"));
    EXPECT_TRUE(delayedDelete(pathOf("doomed"), 300, c.wipe)) << c.wipe;
    EXPECT_EQ(readBytes("second name"), c.contentLeft) << c.wipe;
    EXPECT_EQ(entryCount(), 1) << c.wipe;
    fs::remove(native("second name"));
  }
}

TEST_F(DelayedDelete, AnswersFalseWhenTheFileStays) {
  // The wipe's rename never replaces a file, so an existing "zzzzzz" keeps "doomed" there.
  writeBytes("doomed", "data");
  writeBytes("zzzzzz", "unrelated");
  EXPECT_FALSE(delayedDelete(pathOf("doomed"), 300, true));
  EXPECT_TRUE(exists("doomed"));
  EXPECT_EQ(readBytes("zzzzzz"), "unrelated");
}

}  // namespace
}  // namespace qiro
