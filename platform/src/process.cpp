// The program file and the process's command line, as the system reports them.
#include "platform/process.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
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

std::string joinCommandLine(std::string_view programPath, std::span<const std::string> arguments) {
  std::string line(programPath);
  for (const std::string& argument : arguments) {
    line += ' ';
    line += argument;
  }
  return line;
}

}  // namespace qiro
