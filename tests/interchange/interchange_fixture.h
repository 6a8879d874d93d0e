// Vocabulary of the interchange tests: a job double, reading rows back as
// text, and files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"
#include "store/schema.h"
#include "support/recording_job.h"
#include "support/shared_tools.h"
#include "support/test_library.h"

namespace mivrel::testing {

// Every row of a query, its cells joined by "|" (GB18030).
inline std::vector<std::string> Rows(Database& db, const std::string& sql) {
  std::vector<std::string> rows;
  ResultGrid grid;
  const int n = db.Query(sql, grid);
  for (int r = 1; r <= n; ++r) {
    std::string row;
    for (int c = 0; c < grid.Columns(); ++c) {
      if (c > 0) row += "|";
      row += grid.At(r, c);
    }
    rows.push_back(row);
  }
  return rows;
}

inline long long Count(Database& db, const std::string& sql) {
  Statement st(db, sql);
  return st.Step() == kSqliteRow ? st.ColumnInt(0) : -1;
}

inline std::string ReadFile(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
  return bytes;
}

inline std::string WriteFile(const std::string& path, const std::string& bytes) {
  EXPECT_TRUE(MakeDirectories(path.substr(0, path.rfind('/'))));
  EXPECT_TRUE(WriteWholeFile(path, bytes)) << path;
  return path;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += lines[i];
  }
  return out;
}

// The lines of a category block's opening and of a whole entry block.
inline std::string MarkedCategory(const std::string& name, int icon, int priority) {
  return JoinLines({"<tkxml-是分类>", "<tkxml-类别名>" + name + "</tkxml-类别名>",
                    "<tkxml-图标>" + std::to_string(icon) + "</tkxml-图标>",
                    "<tkxml-优先>" + std::to_string(priority) + "</tkxml-优先>"});
}

inline std::string MarkedEntry(const EntrySpec& e, const std::vector<std::string>& image_lines = {}) {
  std::vector<std::string> lines{
      "<tkxml-是资料>",
      "<tkxml-名字>" + e.name + "</tkxml-名字>",
      "<tkxml-图标>" + std::to_string(e.icon) + "</tkxml-图标>",
      "<tkxml-优先>" + std::to_string(e.priority) + "</tkxml-优先>",
      "<tkxml-关键词>" + std::to_string(e.keyword) + "</tkxml-关键词>",
      "<tkxml-简介>" + e.brief + "</tkxml-简介>",
      "<tkxml-注解>" + e.content + "</tkxml-注解>",
      "<tkxml-网页名>" + e.page_name + "</tkxml-网页名>"};
  lines.insert(lines.end(), image_lines.begin(), image_lines.end());
  lines.push_back("</tkxml-是资料>");
  return JoinLines(lines);
}

// A library in memory with the real schema: for tests that import many times.
inline void OpenMemoryLibrary(Database& db) {
  ASSERT_EQ(db.Open(":memory:", OpenMode::ReadWriteCreate), kSqliteOk);
  ASSERT_EQ(CreateLibrarySchema(db), kSqliteOk);
  EnsureSpeedIndexes(db);
}

}  // namespace mivrel::testing
