// Reads the plain sources, checks them and writes every text in its stored form.
#include "stow.h"

#include <cctype>
#include <cstddef>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/encoding.h"
#include "toolkit/scrambler.h"

namespace qiro {

namespace {

namespace fs = std::filesystem;

// Where a problem lies, for messages the way compilers write them.
struct Place {
  fs::path file;
  int line = 0;
};

std::ostream& operator<<(std::ostream& out, const Place& place) {
  out << place.file.string();
  if (place.line > 0) out << ':' << place.line;
  return out << ": ";
}

struct Reader {
  std::ostream& err;
  bool ok = true;

  void fail(const Place& place, std::string_view what) {
    err << place << what << '\n';
    ok = false;
  }

  // The lines of a file with their line numbers; blank lines and comments left out unless
  // every line counts.
  std::vector<std::pair<int, std::string>> contentLines(const fs::path& file,
                                                        bool everyLine = false) {
    std::vector<std::pair<int, std::string>> lines;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      fail({file}, "cannot read the file");
      return lines;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!everyLine && (line.empty() || line.front() == '#')) continue;
      lines.emplace_back(number, line);
    }
    return lines;
  }

  // The stored form of a plain UTF-8 text, as a C++ string literal.
  std::string stored(const Place& place, std::string_view utf8) {
    const std::optional<std::string> bytes = windows1252FromUtf8(utf8);
    if (!bytes) {
      fail(place, "not UTF-8, or a character the program's code page lacks");
      return "\"\"";
    }
    const ScrambleResult result = scramble(*bytes);
    if (result.tooLong) {
      fail(place, "longer than " + std::to_string(kMaxStoredLength) + " characters");
      return "\"\"";
    }
    return literalOf(result.stored.view());
  }

  // Octal escapes for everything but plain printable characters: three digits always end
  // an octal escape, so the next character cannot join it.
  static std::string literalOf(std::string_view bytes) {
    std::string literal = "\"";
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
        literal += c;
      } else {
        literal += '\\';
        literal += static_cast<char>('0' + ((byte >> 6) & 7));
        literal += static_cast<char>('0' + ((byte >> 3) & 7));
        literal += static_cast<char>('0' + (byte & 7));
      }
    }
    return literal + '"';
  }
};

std::string listOf(const std::vector<std::string>& literals) {
  std::string list = "std::array<std::string_view, " + std::to_string(literals.size()) + ">{\n";
  for (const std::string& literal : literals)
    list += "    " + literal + ",\n";
  return list + "}";
}

// Grid keys are digits, letters and hyphens, so they stand in the table as they are.
bool isKey(std::string_view key) {
  if (key.empty()) return false;
  for (const char c : key) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '-') return false;
  }
  return true;
}

bool isName(std::string_view name) {
  if (name.empty() || std::isalpha(static_cast<unsigned char>(name.front())) == 0) return false;
  for (const char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

std::string constantOf(std::string_view name) {
  std::string constant = "k";
  constant += static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
  constant += name.substr(1);
  return constant;
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos;
       comma = line.find(',', start)) {
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

void writeGrids(Reader& reader, const fs::path& folder, std::ostream& out) {
  std::string table;
  int index = 0;
  std::set<std::string, std::less<>> keys;
  for (const auto& [number, entry] : reader.contentLines(folder / "collection.txt")) {
    const Place place{folder / "collection.txt", number};
    const std::vector<std::string_view> fields = fieldsOf(entry);
    const bool levelOk =
        fields.size() == 3 && fields[1].size() == 1 && fields[1][0] >= '1' && fields[1][0] <= '7';
    if (!levelOk || !isKey(fields[0]) || fields[2].empty()) {
      reader.fail(place, "expected KEY,LEVEL,FILE with a level from 1 to 7");
      continue;
    }
    if (!keys.emplace(fields[0]).second) {
      reader.fail(place, "the key " + std::string(fields[0]) + " is given twice");
      continue;
    }
    std::vector<std::string> literals;
    const fs::path file = folder / fields[2];
    // Every line of a grid file is a definition line: "#" is a comment only as a token.
    for (const auto& [lineNumber, line] : reader.contentLines(file, true))
      literals.push_back(reader.stored({file, lineNumber}, line));
    ++index;
    out << "inline constexpr auto kGridLines" << index << " = " << listOf(literals) << ";\n";
    table += "    BuiltinGrid{\"" + std::string(fields[0]) + "\", " + std::string(fields[1]) +
             ", kGridLines" + std::to_string(index) + "},\n";
  }
  out << "\ninline constexpr auto kGrids = std::array<BuiltinGrid, " << index << ">{\n"
      << table << "};\n\n";
  const fs::path catalogue = folder / "catalogue.txt";
  const auto lines = reader.contentLines(catalogue);
  if (lines.size() != 1) {
    reader.fail({catalogue}, "expected one line of comma-separated keys");
    return;
  }
  const Place place{catalogue, lines.front().first};
  for (const std::string_view key : fieldsOf(lines.front().second)) {
    if (!keys.contains(key)) reader.fail(place, "'" + std::string(key) + "' names no entry");
  }
  out << "inline constexpr std::string_view kCatalogue = "
      << reader.stored(place, lines.front().second) << ";\n";
}

bool blankAtAnEnd(std::string_view text) {
  return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

// Blanks at the ends of a text are kept only when the text is written in double quotes;
// quotes round a text without such blanks (a button name such as "?") belong to it.
std::optional<std::string_view> textOf(std::string_view written) {
  if (written.size() >= 2 && written.front() == '"' && written.back() == '"') {
    const std::string_view inside = written.substr(1, written.size() - 2);
    if (blankAtAnEnd(inside)) return inside;
  }
  if (blankAtAnEnd(written)) return std::nullopt;
  return written;
}

void writeTexts(Reader& reader, const fs::path& file, std::ostream& out) {
  // Names in order of first appearance, so the header reads like its source.
  std::vector<std::string> order;
  std::map<std::string, std::pair<bool, std::vector<std::string>>> texts;
  for (const auto& [number, line] : reader.contentLines(file)) {
    const Place place{file, number};
    const std::size_t colon = line.find(": ");
    std::string_view name = std::string_view(line).substr(0, colon);
    const bool piece = name.ends_with("[]");
    if (piece) name.remove_suffix(2);
    if (colon == std::string::npos || !isName(name)) {
      reader.fail(place, "expected 'name: text' or 'name[]: text'");
      continue;
    }
    const std::optional<std::string_view> text = textOf(std::string_view(line).substr(colon + 2));
    if (!text) {
      reader.fail(place, "a blank at an end of the text: write it in double quotes");
      continue;
    }
    const std::string key(name);
    auto [it, fresh] = texts.try_emplace(key, piece, std::vector<std::string>{});
    if (fresh) order.push_back(key);
    if (!fresh && (!piece || !it->second.first)) {
      reader.fail(place, "'" + key + "' is named twice");
      continue;
    }
    // Every name in the table holds at least this text.
    it->second.second.push_back(reader.stored(place, *text));
  }
  for (const std::string& name : order) {
    const auto& [isList, literals] = texts.at(name);
    out << "inline constexpr auto " << constantOf(name) << " = ";
    if (isList) {
      out << listOf(literals) << ";\n";
    } else {
      out << "std::string_view(" << literals.front() << ");\n";
    }
  }
}

}  // namespace

bool writeStoredTables(const StowSources& sources, std::ostream& out, std::ostream& err) {
  Reader reader{err};
  out << "// Generated by qiro-stow from the plain texts of content/: edit those, not this.\n"
         "#pragma once\n\n#include <array>\n#include <string_view>\n\n"
         "#include \"content/builtin_grids.h\"\n\nnamespace qiro::stored {\n\n";
  writeGrids(reader, sources.gridsFolder, out);
  for (const fs::path& file : sources.textFiles) {
    out << "\n// " << file.filename().string() << "\n";
    writeTexts(reader, file, out);
  }
  out << "\n}  // namespace qiro::stored\n";
  return reader.ok;
}

}  // namespace qiro
