// An entry's text comes from a shared library: any bytes must go through the
// page builder's steps (search marks, web or plain format, colouring, the
// finished text) without fault, and plain text must never open a tag of its own.
//
// Input: byte 0 picks the format and the symbol colouring, bytes 1..4 are the
// search text (none when byte 1 is zero), the rest is the entry's text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/file_urls.h"
#include "base/text.h"
#include "fuzz_check.h"
#include "render/colouring.h"
#include "render/entry_text.h"
#include "render/keyword_sets.h"
#include "render/output_buffer.h"
#include "render/page_template.h"
#include "settings/settings.h"

namespace {

const mivrel::KeywordSets& Keywords() {
  static const mivrel::KeywordSets sets = [] {
    mivrel::KeywordSets s;
    s.MutableSet(mivrel::KeywordKind::Api) = {"CREATEWINDOW", "MSGBOX", "PRINTF"};
    s.MutableSet(mivrel::KeywordKind::Type) = {"DWORD", "INT", "LONG"};
    s.MutableSet(mivrel::KeywordKind::Constant) = {"NULL", "TRUE", "WM_PAINT"};
    s.MutableSet(mivrel::KeywordKind::Statement) = {"DIM", "IF", "RETURN", "结束"};
    s.SortAll();
    return s;
  }();
  return sets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  static const mivrel::PageTemplate page_template = mivrel::BuildPageTemplate(mivrel::DefaultSettings());
  const bool web_format = (data[0] & 1) != 0;
  const auto symbols = (data[0] & 2) != 0 ? mivrel::SymbolColouring::On : mivrel::SymbolColouring::Off;
  const std::string search = data[1] == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data + 1), 4);
  std::string text(reinterpret_cast<const char*>(data + 5), size - 5);

  mivrel::DropMarkerBytes(text);
  for (const char c : text) MIVREL_FUZZ_CHECK(c != mivrel::kStringMark && c != mivrel::kHighlightMark);
  const bool highlighted =
      mivrel::MarkSearchHits(text, search, web_format ? mivrel::HitPlaces::OutsideTags : mivrel::HitPlaces::Anywhere);
  if (web_format) {
    const std::vector<mivrel::WrittenImage> images{{"a.png", "a.png"}, {"../b.gif", "b.gif"}};
    mivrel::PrepareWebFormat(text, mivrel::FolderFileAddress("/tmp/tk0.5/"), images);
  } else {
    mivrel::OutputBuffer plain(mivrel::PlainSizeGuess(text.size()));
    mivrel::PreparePlainFormat(text, plain);
    text.assign(plain.View());
    // The only markup plain text gets is its line breaks.
    for (const char c : mivrel::ReplacedAll(text, "<br>", "")) MIVREL_FUZZ_CHECK(c != '<' && c != '>' && c != '"');
  }
  mivrel::OutputBuffer coloured(mivrel::ColouredSizeGuess(text.size()));
  mivrel::ColourCode(std::string_view(text), Keywords(), page_template, symbols, coloured);
  if (highlighted) coloured.EraseByte(mivrel::kHighlightMark);
  std::string page;
  mivrel::AppendFinishedText(coloured.View(), page);
  for (const char c : page) MIVREL_FUZZ_CHECK(c != mivrel::kStringMark);
  return 0;
}
