// A fresh folder for each test, with helpers to put exact bytes in files and read them back.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "text/text.h"

namespace qiro {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() /
              ("qiro-sys-" + std::to_string(std::random_device{}()) + "-" + std::to_string(stamp) +
               "-" + std::to_string(serial++));
    ASSERT_TRUE(std::filesystem::create_directory(folder_));
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // The path of name inside the test's folder.
  Text pathOf(const std::string& name) const { return Text(TextView((folder_ / name).string())); }
  std::filesystem::path native(const std::string& name) const { return folder_ / name; }

  void writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
  }
  std::string readBytes(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(folder_ / name); }
  // How many entries the folder holds, to show that nothing was left behind.
  int entryCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder_),
                                          std::filesystem::directory_iterator()));
  }
  void makeFolder(const std::string& name, bool withContent) const {
    ASSERT_TRUE(std::filesystem::create_directories(folder_ / name));
    if (withContent) writeBytes(name + "/inside", "keep");
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace qiro
