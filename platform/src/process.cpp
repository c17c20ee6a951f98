// The program file and the process's command line, as the system reports them; starting
// programs, ending this one, and pausing.
#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/app.h"

namespace qiro {

namespace {

// The arguments after the program's own name.
std::vector<std::string> processArguments() {
  std::vector<std::string> arguments;
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  if (in) {
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    while (start < all.size()) {
      std::size_t end = all.find('\0', start);
      if (end == std::string::npos) end = all.size();
      arguments.emplace_back(all, start, end - start);
      start = end + 1;
    }
  } else {
    ensureApplication();
    for (const QString& argument : QCoreApplication::arguments()) {
      arguments.emplace_back(QFile::encodeName(argument).toStdString());
    }
  }
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return arguments;
}

RecordedSleeps* recordedSleeps = nullptr;  // the newest hook, if any

// The file a program name stands for. Without a '/' the system would search the path;
// "./" keeps a bare name to the current folder.
std::string executablePath(std::string_view program) {
  if (program.find('/') != std::string_view::npos) return std::string(program);
  return "./" + std::string(program);
}

// The status of the ended child, or -1 when there is none to wait for.
int waitForEnd(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}

// Everything one start needs, made before any fork: the child of a fork may not allocate.
class Launch {
 public:
  Launch(std::string_view program, std::string_view commandLine)
      : path_(executablePath(program)), arguments_(splitCommandLine(commandLine)) {
    arguments_.insert(arguments_.begin(), std::string(program));
    argv_.reserve(arguments_.size() + 1);
    for (std::string& argument : arguments_)
      argv_.push_back(argument.data());
    argv_.push_back(nullptr);
    posix_spawn_file_actions_init(&actions_);
    // Only the standard three files go to the new program.
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK);
  }
  ~Launch() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  Launch(const Launch&) = delete;
  Launch& operator=(const Launch&) = delete;

  // The new process, or 0 when the program could not be started: posix_spawn reports a
  // failed exec itself, so a program that cannot run never counts as started.
  pid_t spawn() {
    pid_t child = 0;
    if (posix_spawn(&child, path_.c_str(), &actions_, &attributes_, argv_.data(), environ) != 0) {
      return 0;
    }
    return child;
  }

 private:
  std::string path_;
  std::vector<std::string> arguments_;
  std::vector<char*> argv_;
  posix_spawn_file_actions_t actions_{};
  posix_spawnattr_t attributes_{};
};

}  // namespace

std::string programFilePath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.string();
  ensureApplication();
  return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

std::string processCommandLine() {
  const std::vector<std::string> arguments = processArguments();
  return joinCommandLine(programFilePath(), arguments);
}

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t start = commandLine.find_first_not_of(' ');
  while (start != std::string_view::npos) {
    const std::size_t end = commandLine.find(' ', start);
    arguments.emplace_back(commandLine.substr(start, end - start));
    start = commandLine.find_first_not_of(' ', end);
  }
  return arguments;
}

std::string_view executableSuffix() {
#ifdef _WIN32
  return ".exe";
#else
  return "";
#endif
}

bool startProgram(std::string_view program, std::string_view commandLine, bool wait) {
  if (program.empty()) return false;
  Launch launch(program, commandLine);
  if (wait) {
    const pid_t child = launch.spawn();
    if (child == 0) return false;
    waitForEnd(child);
    return true;
  }
  // A short-lived middle process starts the program and ends at once: the program is then
  // adopted by the system, which reaps it, and the middle process reports the start through
  // its exit code.
  const pid_t middle = fork();
  if (middle == 0) _exit(launch.spawn() == 0 ? 1 : 0);
  if (middle < 0) return false;
  const int status = waitForEnd(middle);
  return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void exitProcess(int code) {
  std::exit(code);
}

void sleepMilliseconds(int ms) {
  if (recordedSleeps != nullptr) {
    recordedSleeps->requests_.push_back(ms);
    return;
  }
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

RecordedSleeps::RecordedSleeps() : outer_(recordedSleeps) {
  recordedSleeps = this;
}

RecordedSleeps::~RecordedSleeps() {
  recordedSleeps = outer_;
}

std::string joinCommandLine(std::string_view programPath, std::span<const std::string> arguments) {
  std::string line(programPath);
  for (const std::string& argument : arguments) {
    line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace qiro
