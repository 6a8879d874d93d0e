// ShowEntryPage: one entry (a row of `fun`) as a page with its category trail,
// images, coloured text and section rules.
#include <optional>
#include <string_view>

#include "base/clock.h"
#include "base/text.h"
#include "ports/ui.h"
#include "ports/browser_pane.h"
#include "render/colouring.h"
#include "render/entry_text.h"
#include "render/html_escape.h"
#include "render/image_files.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "store/records.h"

namespace mivrel {
namespace {

constexpr const char* kNotFoundText = "很抱歉，您要访问的内容不存在<br>请联系Osterk查证";

}  // namespace

void PageRenderer::ShowEntryPage(int id, const std::string& name, Record record, SyncTree sync,
                                 const std::string& anchor) {
  const uint32_t start = clock_.NowMs();
  const std::optional<EntryRecord> entry = name.empty() ? ReadEntryById(db_, id) : ReadEntryByName(db_, name);
  ui_.SetBusyCursor(true);

  std::string trail;
  std::string text;  // coloured, quotes and headings still to finish
  bool found = false;
  std::string entry_name;
  long long entry_id = 0;
  size_t content_size = 0;
  if (entry) {
    found = true;
    entry_id = entry->id;
    content_size = entry->stored_content_size;
    text = entry->brief + "\r\n" + entry->content;
    DropMarkerBytes(text);

    std::string secondary[2];
    const long long secondary_categories[2] = {entry->category2, entry->category3};
    for (int i = 0; i < 2; ++i) {
      const long long category = secondary_categories[i];
      if (category >= 0) secondary[i] = "次分类：&gt; " + CategoryTrail(static_cast<int>(category));
    }
    // The main trail comes last so that CategoryPath belongs to the main category.
    entry_name = entry->name;
    trail = CategoryTrail(static_cast<int>(entry->category)) + EscapeHtmlText(entry_name);

    const std::vector<WrittenImage> images = WriteEntryImages(db_, entry_id, temp_folder_);

    const bool web_format = !entry->page_name.empty();
    const bool highlighted =
        hooks_.SearchTabShowing() &&
        MarkSearchHits(text, hooks_.CurrentSearchText(),
                       web_format ? HitPlaces::OutsideTags : HitPlaces::Anywhere);
    if (web_format) {
      PrepareWebFormat(text, FolderFileAddress(temp_folder_), images);
      hooks_.Trace("网页格式显示：" + entry_name);
    } else {
      PreparePlainFormat(text);
      hooks_.Trace("文本格式显示：" + entry_name);
    }
    ColourCode(text, keywords_, template_,
               settings_.highlight_symbols ? SymbolColouring::On : SymbolColouring::Off);
    if (highlighted) DropHighlightMarks(text);

    for (const std::string& line : secondary)
      if (!line.empty()) trail += "<br>" + line;
    if (sync == SyncTree::Yes)
      hooks_.SelectTreeItemByPath(category_path_ + std::to_string(entry_id), PageKind::Entry);
  } else {
    // The asked-for name is the user's text: escaped like every name on a page.
    trail = EscapeHtmlText(name);
    text = kNotFoundText;
  }

  if (record == Record::Yes) hooks_.RecordPage(PageKind::Entry, static_cast<int>(entry_id), entry_name);
  constexpr std::string_view kBarEnd = "</td></tr></table>";
  std::string page;
  page.reserve(template_.head.size() + trail.size() + kBarEnd.size() + text.size() +
               text.size() / 8 + template_.tail.size());
  page.append(template_.head).append(trail).append(kBarEnd);
  // The entry's text goes straight into the page: a megabyte is copied once.
  if (found) AppendFinishedText(text, page);
  else page.append(text);
  page.append(template_.tail);
  ui_.SetBusyCursor(false);
  pane_.WritePage(page, anchor.empty() ? std::string() : "about:blank#" + anchor);
  pane_.FocusPane();
  const uint32_t elapsed = clock_.NowMs() - start;
  ui_.SetStatusText("显示内容化费:" + WithBlank(elapsed) + "毫秒，占用空间" +
                    WithBlank(static_cast<long long>(content_size)) + "字节");
}

}  // namespace mivrel
