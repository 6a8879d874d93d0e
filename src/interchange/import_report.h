// What an import did: how it ended, what it added, and the text the user is
// shown.  "执行成功" only when the import ran to its end; after a stop (the
// stop button, or 取消 in the clash question) "已停止" with the counts so far;
// after an error the error text alone.  What was written before a stop or an
// error stays in the library.  Plain data; any thread.
#pragma once

#include <string>

namespace mivrel {

enum class ImportOutcome { Completed, Stopped, Failed };

struct ImportCounts {
  long long categories = 0;  // categories created
  long long entries = 0;     // entries inserted
  long long replaced = 0;    // existing entries overwritten
  long long images = 0;      // image rows added
};

struct ImportReport {
  ImportOutcome outcome = ImportOutcome::Completed;
  ImportCounts counts;
  std::string error;  // Failed: the message for the user (GB18030)
};

// "分类：N，资料：N，替换：N，图片：N"
std::string DescribeCounts(const ImportCounts& counts);

// The notice for the user: "执行成功", "已停止" + CR LF + counts, or the error.
std::string ImportNotice(const ImportReport& report);

}  // namespace mivrel
