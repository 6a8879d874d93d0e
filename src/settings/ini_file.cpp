#include "settings/ini_file.h"

#include <string_view>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace mivrel {
namespace {

constexpr size_t kMaxValueBytes = 511;

// Blanks, tabs and stray carriage returns: a CR before CR LF, or one ending a
// file without a final line break, must not become part of a value, or a
// value would read differently once a line is added after it.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

// Names match without regard to the case of single-byte ASCII letters only:
// the trail byte of a double-byte character (癆 is B0 41, 癮 is B0 61) is part
// of that character and must match exactly.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80) {
      // A lead byte and the byte after it form one character: both exact.
      if (x != y) return false;
      ++i;
      if (i < a.size() && a[i] != b[i]) return false;
    } else if (upper(x) != upper(y)) {
      return false;
    }
  }
  return true;
}

// One line of the file without its line break, and where it lies.
struct Line {
  size_t begin;        // first byte of the line
  size_t end;          // one past the last byte before the line break
  size_t next;         // first byte of the following line
  std::string_view text;
};

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t nl = bytes.find('\n', pos);
    size_t next = nl == std::string::npos ? bytes.size() : nl + 1;
    size_t end = nl == std::string::npos ? bytes.size() : nl;
    if (end > pos && bytes[end - 1] == '\r') --end;
    lines.push_back({pos, end, next, std::string_view(bytes).substr(pos, end - pos)});
    pos = next;
  }
  return lines;
}

// The section name of a "[name]" line; false for other lines.
bool SectionName(std::string_view line, std::string_view& name) {
  std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The key and value of a "key=value" line; false for comments and other lines.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return false;
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(t.substr(0, eq));
  value = Trim(t.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return !key.empty();
}

}  // namespace

std::string IniFile::Read(const std::string& section, const std::string& key,
                          const std::string& fallback) const {
  std::string bytes;
  if (!ReadWholeFile(path_, bytes)) return fallback;
  bool in_section = false;
  for (const Line& line : SplitLines(bytes)) {
    std::string_view name, k, v;
    if (SectionName(line.text, name)) {
      in_section = SameName(name, section);
    } else if (in_section && KeyValue(line.text, k, v) && SameName(k, key)) {
      return CutAtCharBoundary(v, kMaxValueBytes);
    }
  }
  return fallback;
}

bool IniFile::Write(const std::string& section, const std::string& key,
                    const std::string& value) const {
  std::string bytes;
  if (PathExists(path_) && !ReadWholeFile(path_, bytes)) return false;
  const std::string eol = bytes.find("\r\n") != std::string::npos || bytes.empty() ? "\r\n" : "\n";
  const std::string new_line = key + "=" + value;
  const std::vector<Line> lines = SplitLines(bytes);

  std::string out;
  bool in_section = false, section_seen = false, done = false;
  size_t insert_at = std::string::npos;  // after the last key line of the section
  for (const Line& line : lines) {
    std::string_view name, k, v;
    if (!done && SectionName(line.text, name)) {
      if (in_section) done = true;  // the section ended without the key
      in_section = SameName(name, section);
      if (in_section) {
        section_seen = true;
        insert_at = line.next;
      }
    } else if (!done && in_section && KeyValue(line.text, k, v)) {
      if (SameName(k, key)) {
        out = bytes.substr(0, line.begin) + new_line + bytes.substr(line.end);
        break;
      }
      insert_at = line.next;
    }
  }
  if (out.empty()) {
    if (section_seen) {
      std::string head = bytes.substr(0, insert_at);
      if (!head.empty() && head.back() != '\n') head += eol;
      out = head + new_line + eol + bytes.substr(insert_at);
    } else {
      out = bytes;
      if (!out.empty() && out.back() != '\n') out += eol;
      out += "[" + section + "]" + eol + new_line + eol;
    }
  }
  // Written beside the file and renamed over it, so an interrupted write never
  // leaves a half settings file.
  const std::string temporary = path_ + ".new";
  if (!WriteWholeFile(temporary, out)) {
    RemoveFile(temporary);
    return false;
  }
  if (!RenameFile(temporary, path_)) {
    RemoveFile(temporary);
    return false;
  }
  return true;
}

}  // namespace mivrel
