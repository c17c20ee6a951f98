// Running a test program in a folder of its own, and waiting for what a program leaves.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace qiro {

// Long enough for any machine: the waits below end as soon as their condition holds.
inline constexpr std::chrono::seconds kPatience{30};

// Runs program with folder as its current folder and answers its exit code; -1 when it
// could not start, did not exit normally or was still running after kPatience (it is
// then killed).
inline int exitCodeIn(const std::filesystem::path& folder, const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {program.filename().string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t child = 0;
  const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return -1;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether path exists now or comes into being within kPatience.
inline bool appears(const std::filesystem::path& path) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// Whether this process has no child left, running or waiting to be reaped.
inline bool noChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) < 0 && errno == ECHILD;
}

}  // namespace qiro
