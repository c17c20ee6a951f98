// The start-up facts: title, program path, command tail, screen size and build date.
#include "sys/startup_facts.h"

#include <cstdint>
#include <limits>

#include "platform/process.h"
#include "platform/screen.h"
#include "text/numeric.h"

namespace qiro {

namespace {

StartupFacts facts;

int asShort(int value) {
  return clampTo(value, 0, std::numeric_limits<std::int16_t>::max());
}

}  // namespace

Text commandTailOf(TextView commandLine, TextView programPath) {
  Text tail(commandLine);
  slashesForward(tail);
  tail.replaceFirst(programPath, "");
  return tail;
}

void startServices(TextView title) {
  facts.applicationTitle.assign(title);
  // The whole path, however long: a cut path would name another file.
  facts.programPath = Text::fromBytes(programFilePath());
  slashesForward(facts.programPath);
  facts.commandTail = commandTailOf(processCommandLine(), facts.programPath);
  facts.buildDate.assign(buildDateStamp());
  const ScreenSize screen = primaryScreenSize();
  facts.screenWidth = asShort(screen.width);
  facts.screenHeight = asShort(screen.height);
}

const StartupFacts& startupFacts() {
  return facts;
}

}  // namespace qiro
