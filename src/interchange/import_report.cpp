#include "interchange/import_report.h"

namespace mivrel {

std::string DescribeCounts(const ImportCounts& counts) {
  return "分类：" + std::to_string(counts.categories) + "，资料：" +
         std::to_string(counts.entries) + "，替换：" + std::to_string(counts.replaced) +
         "，图片：" + std::to_string(counts.images);
}

std::string ImportNotice(const ImportReport& report) {
  switch (report.outcome) {
    case ImportOutcome::Completed:
      return "执行成功";
    case ImportOutcome::Stopped:
      return "已停止\r\n" + DescribeCounts(report.counts);
    case ImportOutcome::Failed:
      break;
  }
  return report.error;
}

}  // namespace mivrel
