// The canonical file name check run at start-up.
#include "toolkit/canonical_name.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/process.h"
#include "sys/file_ops.h"
#include "sys/line_file.h"
#include "sys/startup_facts.h"
#include "toolkit/processes.h"

namespace qiro {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHandOver = "killexe=";
constexpr int kRemovalPauseMs = 300;  // time for the old process to end

bool isRegularFile(TextView path) {
  std::error_code ignored;
  return !path.empty() && fs::is_regular_file(fs::path(path.view()), ignored);
}

// Whether both paths lead to one and the same file.
bool sameFile(TextView a, TextView b) {
  std::error_code error;
  const bool same = fs::equivalent(fs::path(a.view()), fs::path(b.view()), error);
  return same && !error;
}

// Whether both are regular files holding the same bytes.
bool sameBytes(TextView a, TextView b) {
  if (!isRegularFile(a) || !isRegularFile(b)) return false;
  bool endOfFile = false;
  LineFile first = openForReading(a, endOfFile);
  LineFile second = openForReading(b, endOfFile);
  if (!first || !second) return false;
  const long size = fileSize(first);
  if (size < 0 || size != fileSize(second)) return false;
  std::array<char, 16384> one{};
  std::array<char, 16384> two{};
  for (;;) {
    const std::size_t got = std::fread(one.data(), 1, one.size(), first.stream());
    if (std::fread(two.data(), 1, two.size(), second.stream()) != got) return false;
    if (std::memcmp(one.data(), two.data(), got) != 0) return false;
    if (got < one.size())
      return std::ferror(first.stream()) == 0 && std::ferror(second.stream()) == 0;
  }
}

// Only a copy of this program may be removed on the word of a command line: any other
// path there would let whoever starts the program delete an arbitrary file, and the
// running file itself is never removed.
bool isPreviousCopy(TextView path, TextView programPath) {
  return !sameFile(path, programPath) && sameBytes(path, programPath);
}

}  // namespace

Text bareFileName(TextView path) {
  const std::string_view all = path.view();
  const std::size_t separator = all.find_last_of("/\\");
  return Text(separator == std::string_view::npos ? all : all.substr(separator + 1));
}

Text canonicalFileName(TextView baseName, TextView suffix) {
  Text name(baseName);
  if (!endsWith(name, suffix)) name.append(suffix);
  return bareFileName(name);
}

Text handedOverPath(TextView commandTail) {
  if (!startsWith(commandTail, kHandOver)) return Text();
  Text path(commandTail);
  trimLeft(path);
  dropFront(path, static_cast<int>(kHandOver.size()));
  return path;
}

bool ensureCanonicalFileName(TextView baseName, bool copyAllowed) {
  const StartupFacts& facts = startupFacts();
  const Text canonical = canonicalFileName(baseName, executableSuffix());
  const Text running = bareFileName(facts.programPath);

  // Checked again after the pause: the file may have been replaced in the meantime.
  const Text previous = handedOverPath(facts.commandTail);
  if (isPreviousCopy(previous, facts.programPath)) {
    sleepMilliseconds(kRemovalPauseMs);
    if (isPreviousCopy(previous, facts.programPath)) delayedDelete(previous, 0, false);
  }

  if (equalIgnoreCase(running, canonical)) return true;
  if (!copyAllowed) return false;
  // The copy and the start go by bare names in the current folder; when the folder is not
  // the program's own, the running name may name some other file, which must not be
  // copied, let alone started.
  if (!sameBytes(running, facts.programPath)) return false;
  // Only a successful copy is started: after a failed one, whatever stood at the
  // canonical name before is still there.
  if (!copyFile(running, canonical)) return false;
  Text commandLine;
  commandLine.assign(kHandOver, running);
  runProgramAndExit(canonical, commandLine);
}

}  // namespace qiro
