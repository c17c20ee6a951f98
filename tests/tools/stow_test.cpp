// Tests of qiro-stow: plain sources in, stored tables out, every problem named by place.
#include "stow.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "toolkit/scrambler.h"

namespace qiro {
namespace {

namespace fs = std::filesystem;

class StowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> serial{0};
    folder_ = fs::temp_directory_path() / ("qiro-stow-" + std::to_string(std::random_device{}()) +
                                           "-" + std::to_string(serial++));
    fs::create_directories(folder_ / "grids");
    writeGoodSources();
    sources_.gridsFolder = folder_ / "grids";
  }
  void writeGoodSources() {
    write("grids/collection.txt", "# key, level, file\n1805-9,2,a.txt\n");
    write("grids/catalogue.txt", "1805-9\n");
    write("grids/a.txt", "X,XA\n%75,AWJJ\n");
    sources_.textFiles.clear();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  void addTexts(const std::string& text) {
    write("texts.txt", text);
    sources_.textFiles = {folder_ / "texts.txt"};
  }
  bool run() {
    header_.str("");
    errors_.str("");
    return writeStoredTables(sources_, header_, errors_);
  }

  // The string literals of the constant named, octal escapes undone.
  std::vector<std::string> literalsOf(const std::string& name) const {
    const std::string header = header_.str();
    std::size_t at = header.find(" " + name + " = ");
    EXPECT_NE(at, std::string::npos) << name;
    const std::size_t end = header.find(";\n", at);
    std::vector<std::string> literals;
    while ((at = header.find('"', at)) < end) {
      std::string bytes;
      for (++at; header[at] != '"'; ++at) {
        if (header[at] == '\\') {
          bytes += static_cast<char>(std::stoi(header.substr(at + 1, 3), nullptr, 8));
          at += 3;
        } else {
          bytes += header[at];
        }
      }
      literals.push_back(bytes);
      ++at;
    }
    return literals;
  }
  std::vector<std::string> plainOf(const std::string& name) const {
    std::vector<std::string> plain;
    for (const std::string& stored : literalsOf(name))
      plain.emplace_back(unscramble(stored).view());
    return plain;
  }

  fs::path folder_;
  StowSources sources_;
  std::ostringstream header_;
  std::ostringstream errors_;
};

TEST_F(StowTest, EveryTextIsStoredScrambledAndComesBack) {
  addTexts(
      "# a comment\n"
      "title: Q-I-RO-\n"
      "pieces[]: \"Grille \"\n"
      "button: \"?\"\n"
      "pieces[]: Été, à bientôt !\n");
  ASSERT_TRUE(run()) << errors_.str();
  using Lines = std::vector<std::string>;
  EXPECT_EQ(plainOf("kGridLines1"), (Lines{"X,XA", "%75,AWJJ"}));
  EXPECT_EQ(plainOf("kCatalogue"), Lines{"1805-9"});
  EXPECT_EQ(plainOf("kTitle"), Lines{"Q-I-RO-"});
  // Quotes keep the blank at the end; French letters become the code page's bytes.
  EXPECT_EQ(plainOf("kPieces"), (Lines{"Grille ", "\xC9t\xE9, \xE0 bient\xF4t !"}));
  EXPECT_EQ(plainOf("kButton"), Lines{"\"?\""});      // quotes without blanks are the text's
  EXPECT_NE(literalsOf("kTitle"), Lines{"Q-I-RO-"});  // not stored readable
  EXPECT_NE(header_.str().find("BuiltinGrid{\"1805-9\", 2, kGridLines1}"), std::string::npos);
}

TEST_F(StowTest, ProblemsAreNamedByFileAndLine) {
  const struct {
    const char* file;
    const char* text;
    const char* message;
  } cases[] = {
      {"texts.txt", "ok: fine\nlong: ", "texts.txt:2: longer than 151"},
      {"texts.txt", "wide: 中\n", "texts.txt:1: not UTF-8, or a character"},
      {"texts.txt", "no separator\n", "texts.txt:1: expected 'name: text'"},
      {"texts.txt", "9lives: x\n", "texts.txt:1: expected 'name: text'"},
      {"texts.txt", "a: x\na: y\n", "texts.txt:2: 'a' is named twice"},
      {"texts.txt", "a[]: x\na: y\n", "texts.txt:2: 'a' is named twice"},
      {"texts.txt", "a: x \n", "texts.txt:1: a blank at an end of the text"},
      {"grids/collection.txt", "1805-9,2,a.txt\n1805-9,3,a.txt\n", "the key 1805-9 is given twice"},
      {"grids/catalogue.txt", "1805-9,2026-1\n", "catalogue.txt:1: '2026-1' names no entry"},
      {"grids/collection.txt", "1805-9,8,a.txt\n", "collection.txt:1: expected KEY,LEVEL,FILE"},
      {"grids/collection.txt", "1805-9,2,gone.txt\n", "gone.txt: cannot read the file"},
      {"grids/catalogue.txt", "a\nb\n", "catalogue.txt: expected one line"},
  };
  for (const auto& c : cases) {
    writeGoodSources();
    std::string text = c.text;
    if (text.ends_with("long: ")) text += std::string(152, 'a') + "\n";
    write(c.file, text);
    if (std::string(c.file) == "texts.txt") sources_.textFiles = {folder_ / "texts.txt"};
    EXPECT_FALSE(run()) << c.message;
    EXPECT_NE(errors_.str().find(c.message), std::string::npos) << errors_.str();
  }
}

}  // namespace
}  // namespace qiro
