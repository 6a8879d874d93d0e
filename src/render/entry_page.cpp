// The entry page: one entry (a row of `fun`) as a page with its category trail,
// images, coloured text and section rules.
#include <optional>
#include <string_view>

#include "base/file_urls.h"
#include "base/text.h"
#include "render/colouring.h"
#include "render/entry_text.h"
#include "render/html_escape.h"
#include "render/image_files.h"
#include "render/output_buffer.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "store/records.h"

namespace mivrel {
namespace {

constexpr const char* kNotFoundText = "很抱歉，您要访问的内容不存在<br>请联系Osterk查证";

}  // namespace

Page PageBuilder::BuildEntryPage(int id, const std::string& name, const std::string& anchor,
                                 const std::string& highlight) {
  Page built;
  built.kind = PageKind::Entry;
  const std::optional<EntryRecord> entry = name.empty() ? ReadEntryById(db_, id) : ReadEntryByName(db_, name);

  std::string trail;
  // The coloured text, quotes and headings still to finish; it goes straight
  // into the page, so a megabyte of text is copied into the page once.
  OutputBuffer coloured(0);
  if (entry) {
    built.id = static_cast<int>(entry->id);
    built.stored_size = entry->stored_content_size;
    std::string text = entry->brief + "\r\n" + entry->content;
    DropMarkerBytes(text);

    std::string secondary[2];
    const long long secondary_categories[2] = {entry->category2, entry->category3};
    for (int i = 0; i < 2; ++i) {
      const long long category = secondary_categories[i];
      if (category >= 0) secondary[i] = "次分类：&gt; " + CategoryTrail(static_cast<int>(category));
    }
    // The main trail comes last so that CategoryPath belongs to the main category.
    built.title = entry->name;
    trail = CategoryTrail(static_cast<int>(entry->category)) + EscapeHtmlText(built.title);

    const std::vector<WrittenImage> images = WriteEntryImages(db_, entry->id, temp_folder_);

    const bool web_format = !entry->page_name.empty();
    const bool highlighted =
        MarkSearchHits(text, highlight, web_format ? HitPlaces::OutsideTags : HitPlaces::Anywhere);
    OutputBuffer plain(0);
    std::string_view prepared;
    if (web_format) {
      PrepareWebFormat(text, FolderFileAddress(temp_folder_), images);
      prepared = text;
      built.trace = "网页格式显示：" + built.title;
    } else {
      plain = OutputBuffer(PlainSizeGuess(text.size()));
      PreparePlainFormat(text, plain);
      prepared = plain.View();
      built.trace = "文本格式显示：" + built.title;
    }
    coloured = OutputBuffer(ColouredSizeGuess(prepared.size()));
    ColourCode(prepared, keywords_, template_,
               settings_.highlight_symbols ? SymbolColouring::On : SymbolColouring::Off, coloured);
    if (highlighted) coloured.EraseByte(kHighlightMark);

    for (const std::string& line : secondary)
      if (!line.empty()) trail += "<br>" + line;
    built.tree_path = category_path_ + std::to_string(entry->id);
  } else {
    built.found = false;
    // The asked-for name is the user's text: escaped like every name on a page.
    trail = EscapeHtmlText(name);
    coloured.Put(kNotFoundText);
  }

  constexpr std::string_view kBarEnd = "</td></tr></table>";
  const std::string_view text = coloured.View();
  std::string& page = built.bytes;
  page.reserve(template_.head.size() + trail.size() + kBarEnd.size() + text.size() +
               text.size() / 8 + template_.tail.size());
  page.append(template_.head).append(trail).append(kBarEnd);
  if (entry) AppendFinishedText(text, page);
  else page.append(text);
  page.append(template_.tail);
  if (!anchor.empty()) built.address = "about:blank#" + anchor;
  return built;
}

}  // namespace mivrel
