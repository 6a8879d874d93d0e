#include "interchange/marked_text_import.h"

#include <vector>

#include "base/text.h"
#include "interchange/import_rules.h"
#include "interchange/marked_text_format.h"
#include "ports/job_context.h"
#include "base/gb_chars.h"
#include "store/database.h"
#include "store/records_writer.h"

namespace mivrel {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf8EntryOpen = u8"<tkxml-是资料>";
constexpr std::string_view kUtf8CategoryOpen = u8"<tkxml-是分类>";

bool HasNonAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

bool IsValidGb18030(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    const size_t length = GbCharLength(text, i);
    if (length == 1) return false;
    i += length;
  }
  return true;
}

bool LooksUtf8(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Bom)) return true;
  if (IsValidUtf8(bytes) && HasNonAscii(bytes) && !IsValidGb18030(bytes)) return true;
  const bool gb_tags = bytes.find(kEntryOpen) != std::string_view::npos ||
                       bytes.find(kCategoryOpen) != std::string_view::npos;
  const bool utf8_tags = bytes.find(kUtf8EntryOpen) != std::string_view::npos ||
                         bytes.find(kUtf8CategoryOpen) != std::string_view::npos;
  return utf8_tags && !gb_tags;
}

// A text value as stored: everything before a NUL byte.
std::string TextValue(std::string_view value) {
  return std::string(value.substr(0, value.find('\0')));
}

// The value of an element inside an entry block: between its first opening
// and its first closing tag; empty when either is missing or out of order.
std::string_view BlockValue(std::string_view block, const MarkedElement& element) {
  const size_t open = block.find(element.open);
  const size_t close = block.find(element.close);
  if (open == std::string_view::npos || close == std::string_view::npos) return {};
  const size_t start = open + element.open.size();
  if (close < start) return {};
  return block.substr(start, close - start);
}

long long NumberOr(std::string_view value, long long fallback) {
  return value.empty() ? fallback : LeadingNumber(value);
}

class MarkedTextReader {
 public:
  MarkedTextReader(Database& db, std::string_view text, ClashMode& mode, JobContext& job)
      : m_db(db), m_writer(db), m_text(text), m_mode(mode), m_job(job) {}

  ImportReport Run(size_t start, long long target);

 private:
  enum class Step { Continue, End };

  Step Fail(const std::string& first_line) {
    m_report.outcome = ImportOutcome::Failed;
    m_report.error = first_line + "\r\n" + m_db.LastError();
    return Step::End;
  }
  Step Stop() {
    m_report.outcome = ImportOutcome::Stopped;
    return Step::End;
  }

  // The text from `m_pos` up to `close`, moving past it; false (nothing moved)
  // without a closing tag.
  bool TakeUntil(std::string_view close, std::string_view& value) {
    const size_t end = m_text.find(close, m_pos);
    if (end == std::string_view::npos) return false;
    value = m_text.substr(m_pos, end - m_pos);
    m_pos = end + close.size();
    return true;
  }

  Step OnTag(std::string_view tag);
  Step OnCategoryValue(const MarkedElement& element);
  Step OnEntryBlock(std::string_view block);
  void AddImages(std::string_view block, long long entry_id);

  Database& m_db;
  RecordWriter m_writer;
  std::string_view m_text;
  ClashMode& m_mode;
  JobContext& m_job;
  size_t m_pos = 0;
  std::vector<long long> m_levels;  // the current category is the last
  ImportReport m_report;
};

ImportReport MarkedTextReader::Run(size_t start, long long target) {
  m_pos = start;
  m_levels.assign(1, target);
  m_job.SetRange(static_cast<std::int64_t>(m_text.size()));
  while (!m_levels.empty()) {
    const size_t open = m_text.find('<', m_pos);
    if (open == std::string_view::npos) break;
    const size_t close = m_text.find('>', open + 1);
    if (close == std::string_view::npos) break;
    m_pos = close + 1;
    m_job.SetPosition(static_cast<std::int64_t>(m_pos));
    if (m_job.StopRequested()) {
      Stop();
      break;
    }
    if (OnTag(m_text.substr(open, close + 1 - open)) == Step::End) break;
  }
  return m_report;
}

MarkedTextReader::Step MarkedTextReader::OnTag(std::string_view tag) {
  if (tag == kCategoryOpen) {
    const long long id =
        AddImportedCategory(m_db, m_writer, m_levels.back(), PlaceholderCategoryName());
    if (id == 0) return Fail("新增类加失败，原因见下面信息：");
    ++m_report.counts.categories;
    m_levels.push_back(id);
  } else if (tag == kCategoryClose) {
    m_levels.pop_back();
  } else if (tag == kCategoryNameTag.open) {
    return OnCategoryValue(kCategoryNameTag);
  } else if (tag == kIconTag.open) {
    return OnCategoryValue(kIconTag);
  } else if (tag == kPriorityTag.open) {
    return OnCategoryValue(kPriorityTag);
  } else if (tag == kEntryOpen) {
    std::string_view block;
    if (TakeUntil(kEntryClose, block)) return OnEntryBlock(block);
  }
  return Step::Continue;
}

MarkedTextReader::Step MarkedTextReader::OnCategoryValue(const MarkedElement& element) {
  std::string_view value;
  if (!TakeUntil(element.close, value)) return Step::Continue;
  const long long id = m_levels.back();
  int rc = kSqliteDone;
  if (&element == &kCategoryNameTag) {
    rc = m_writer.SetCategoryName(id, TextValue(value));
  } else if (&element == &kIconTag) {
    rc = m_writer.SetCategoryIcon(id, LeadingNumber(value));
  } else {
    rc = m_writer.SetCategoryPriority(id, LeadingNumber(value));
  }
  return rc == kSqliteDone ? Step::Continue : Fail("更新增类别失败，原因见下面信息：");
}

MarkedTextReader::Step MarkedTextReader::OnEntryBlock(std::string_view block) {
  EntryRecord entry;
  entry.category = m_levels.back();
  entry.name = TextValue(BlockValue(block, kNameTag));
  entry.brief = TextValue(BlockValue(block, kBriefTag));
  entry.content = TextValue(BlockValue(block, kContentTag));
  entry.page_name = TextValue(BlockValue(block, kPageNameTag));
  entry.icon = NumberOr(BlockValue(block, kIconTag), 2);
  entry.priority = NumberOr(BlockValue(block, kPriorityTag), 100);
  entry.keyword = NumberOr(BlockValue(block, kKeywordTag), 0);
  entry = ImportedEntry(std::move(entry));

  const long long existing = m_writer.FindEntryIn(entry.category, entry.name);
  if (existing != 0 && m_mode == ClashMode::Ask) {
    switch (m_job.Ask(ClashQuestion(entry.name), MessageButtons::YesNoCancel)) {
      case MessageAnswer::Yes:
        m_mode = ClashMode::Replace;
        break;
      case MessageAnswer::Cancel:
        m_mode = ClashMode::Stop;
        break;
      default:
        m_mode = ClashMode::Skip;
        break;
    }
  }
  long long id = 0;
  if (existing != 0) {
    if (m_mode == ClashMode::Stop) return Stop();
    if (m_mode == ClashMode::Skip) return Step::Continue;
    entry.id = existing;
    if (m_writer.UpdateEntry(entry) != kSqliteDone) return Fail("执行失败，原因见下面信息：");
    id = existing;
    ++m_report.counts.replaced;
  } else {
    if (m_writer.InsertEntry(entry) != kSqliteDone) return Fail("执行失败，原因见下面信息：");
    id = m_db.LastInsertId();
    ++m_report.counts.entries;
  }
  AddImages(block, id);
  return Step::Continue;
}

void MarkedTextReader::AddImages(std::string_view block, long long entry_id) {
  size_t from = 0;
  for (;;) {
    const size_t open = block.find(kImageTag.open, from);
    if (open == std::string_view::npos) return;
    const size_t close = block.find(kImageTag.close, open);
    const size_t name_start = block.find('[', open);
    if (close == std::string_view::npos || name_start == std::string_view::npos) return;
    const size_t name_end = block.find(']', name_start);
    if (name_end == std::string_view::npos) return;
    from = close + kImageTag.close.size();
    // A name that runs past the closing tag belongs to no image of this element.
    if (name_end > close) continue;
    const std::string_view name = block.substr(name_start + 1, name_end - name_start - 1);
    const std::string_view data = block.substr(name_end + 1, close - name_end - 1);
    ImageRecord image;
    image.file_name = std::string(name);
    image.entry_id = entry_id;
    image.data = std::string(data);
    if (m_writer.InsertImage(image) == kSqliteDone) ++m_report.counts.images;
  }
}

}  // namespace

MarkedTextStart CheckMarkedText(std::string_view bytes) {
  MarkedTextStart start;
  if (LooksUtf8(bytes)) {
    start.check = MarkedTextCheck::Utf8Encoded;
    return start;
  }
  const size_t header = bytes.find(kHeaderStart);
  if (header == std::string_view::npos) return start;
  const size_t end = bytes.find(kHeaderEnd, header + kHeaderStart.size());
  if (end == std::string_view::npos) return start;
  start.check = MarkedTextCheck::Ok;
  start.body = end + kHeaderEnd.size();
  return start;
}

std::string NotMarkedTextMessage(const std::string& gb_path) {
  return "文件格式不正确，无法导入\r\n" + gb_path;
}

std::string Utf8FileMessage(const std::string& gb_path) {
  return "文件是UTF-8编码的，无法导入：带标记的文本文件应为GBK编码。\r\n" + gb_path;
}

std::string ClashQuestion(const std::string& gb_name) {
  return "发现同名资料！！\r\n" + gb_name +
         "\r\n是否要替换，还是跳过。\r\n\r\n点【是】   替换原来的，后面相同情况都会这样处理。"
         "\r\n\r\n点【否】   跳过，不新增，也不替换，后面相同情况也如此。\r\n\r\n"
         "点【取消】 立即停止导入。";
}

ImportReport ImportMarkedText(Database& db, std::string_view text, size_t start, long long target,
                              ClashMode& mode, JobContext& job) {
  TransactionBracket transaction(db);
  return MarkedTextReader(db, text, mode, job).Run(start, target);
}

}  // namespace mivrel
