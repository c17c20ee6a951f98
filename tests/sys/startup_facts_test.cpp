// Tests of the start-up facts and the command tail.
#include "sys/startup_facts.h"

#include <gtest/gtest.h>

#include <string>

#include "text/numeric.h"

namespace qiro {
namespace {

struct TailCase {
  std::string commandLine, programPath, tail;
};

TEST(CommandTail, IsTheCommandLineWithoutTheFirstOccurrenceOfTheProgramPath) {
  const TailCase cases[] = {
      // Started with its quoted path alone: the quote marks stay.
      {"\"C:/Jeux/prog.exe\"", "C:/Jeux/prog.exe", "\"\""},
      // Started by another program with only arguments: they stay whole.
      {"killexe=C:/Jeux/old.exe", "C:/Jeux/prog.exe", "killexe=C:/Jeux/old.exe"},
      {"\"C:\\Jeux\\prog.exe\" killexe=C:\\Jeux\\old.exe", "C:/Jeux/prog.exe",
       "\"\" killexe=C:/Jeux/old.exe"},
      {"c:\\JEUX\\PROG.EXE arg", "C:/Jeux/prog.exe", " arg"},
      // The path written differently: the whole line.
      {"C:\\JEUX~1\\PROG.EXE x", "C:/Jeux/prog.exe", "C:/JEUX~1/PROG.EXE x"},
      {"/g/q /g/q", "/g/q", " /g/q"},
      {"/home/u/qiro killexe=/home/u/old qiro", "/home/u/qiro", " killexe=/home/u/old qiro"},
      {"a\\b", "", "a/b"},
      {"", "/g/q", ""},
  };
  for (const TailCase& c : cases) {
    EXPECT_EQ(commandTailOf(c.commandLine, c.programPath).view(), c.tail) << c.commandLine;
  }
}

TEST(StartupFacts, AreTakenFromTheSystemOnce) {
  startServices("Q-I-RO demo");
  const StartupFacts& facts = startupFacts();
  EXPECT_EQ(facts.applicationTitle.view(), "Q-I-RO demo");
  EXPECT_TRUE(endsWith(facts.programPath, "/sys_tests"));
  EXPECT_FALSE(contains(facts.programPath, "\\"));
  // The program path led the command line, so only the arguments are left.
  EXPECT_FALSE(contains(facts.commandTail, facts.programPath));
  EXPECT_GT(facts.screenWidth, 0);
  EXPECT_GT(facts.screenHeight, 0);
  EXPECT_EQ(facts.buildDate.view(), buildDateStamp());
  EXPECT_EQ(facts.buildDate.length(), 8);
}

}  // namespace
}  // namespace qiro
