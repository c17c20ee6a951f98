// A small program for the canonical-name tests. It makes the start-up check the game
// makes, under the base name QIRO_PROBE_BASE_NAME, then leaves a note in the current
// folder, "<name it ran under>.ran", with that name, the check's answer and its command
// tail. Two command tails change what it does: "nocopy" makes the check without the right
// to copy, and "run=<program>" ends it through runProgramAndExit after the check.
#include <filesystem>
#include <string>

#include "sys/line_file.h"
#include "sys/startup_facts.h"
#include "text/text.h"
#include "text/text_list.h"
#include "toolkit/canonical_name.h"
#include "toolkit/processes.h"

int main() {
  using namespace qiro;
  startServices("canonical probe");
  const StartupFacts& facts = startupFacts();
  Text tail(facts.commandTail);
  trimLeft(tail);

  const bool answer =
      ensureCanonicalFileName(QIRO_PROBE_BASE_NAME, !equalIgnoreCase(tail, "nocopy"));

  Text program(tail);
  if (removePrefix(program, "run=")) runProgramAndExit(program, "");

  const std::string name = std::filesystem::path(facts.programPath.view()).filename().string();
  TextList note;
  note.append("name=", name);
  note.append("answer=", answer ? "1" : "0");
  note.append("tail=", tail);
  Text notePath;
  notePath.assign(name, ".ran");
  return saveLines(note, notePath) ? 0 : 2;
}
