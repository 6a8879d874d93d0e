#include "interchange/page_transform.h"

#include "base/text.h"
#include "base/gb_chars.h"

namespace mivrel {
namespace {

constexpr size_t kBriefCharacters = 50;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The text and its lower-cased copy, edited together so that positions found
// in the copy stay valid in the text.
struct CasedText {
  std::string text;
  std::string lower;

  explicit CasedText(std::string t) : text(std::move(t)), lower(LowerAscii(text)) {}
  void Keep(size_t start, size_t end) {
    text = text.substr(start, end - start);
    lower = lower.substr(start, end - start);
  }
  void Erase(size_t start, size_t length) {
    text.erase(start, length);
    lower.erase(start, length);
  }
};

bool DeclaresUtf8(const std::string& lower) {
  const size_t meta = lower.find("<meta ");
  if (meta == std::string::npos) return false;
  const size_t end = lower.find('>', meta);
  if (end == std::string::npos) return false;
  const std::string_view tag = std::string_view(lower).substr(meta, end - meta);
  return tag.find("charset=utf-8") != std::string_view::npos ||
         tag.find("charset=\"utf-8\"") != std::string_view::npos ||
         tag.find("charset='utf-8'") != std::string_view::npos;
}

std::string PageText(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Bom)) return Utf8ToGb(bytes.substr(kUtf8Bom.size()));
  if (DeclaresUtf8(LowerAscii(bytes))) return Utf8ToGb(bytes);
  return std::string(bytes);
}

std::string Title(const CasedText& page) {
  const size_t open = page.lower.find("<title>");
  if (open == std::string::npos) return std::string();
  const size_t start = open + 7;
  const size_t close = page.lower.find("</title>", start);
  if (close == std::string::npos) return std::string();
  return page.text.substr(start, close - start);
}

void KeepBody(CasedText& page) {
  size_t start = page.lower.find("<body>");
  if (start != std::string::npos) {
    start += 6;
  } else {
    start = page.lower.find("<body ");
    if (start == std::string::npos) return;
    start = page.lower.find('>', start);
    if (start == std::string::npos) return;
    ++start;
  }
  const size_t end = page.lower.find("</body>", start);
  page.Keep(start, end == std::string::npos ? page.text.size() : end);
}

// Removes the span from `open` to the end of the next `close`; false when
// there is no such span.
bool RemoveSpan(CasedText& page, std::string_view open, std::string_view close) {
  const size_t start = page.lower.find(open);
  if (start == std::string::npos) return false;
  const size_t end = page.lower.find(close, start);
  if (end == std::string::npos) return false;
  page.Erase(start, end + close.size() - start);
  return true;
}

std::string Brief(std::string_view body) {
  std::string plain = ReplacedAll(body, "\r\n", "");
  std::string text;
  text.reserve(plain.size());
  for (size_t i = 0; i < plain.size();) {
    if (plain[i] != '<') {
      text += plain[i++];
      continue;
    }
    const size_t close = plain.find('>', i);
    if (close == std::string::npos) break;
    i = close + 1;
  }
  text = DecodeBasicEntities(text);
  size_t end = 0;
  for (size_t n = 0; n < kBriefCharacters && end < text.size(); ++n)
    end += GbCharLength(text, end);
  return text.substr(0, end);
}

// The value of attribute `name` (as "name=" + quote) inside a lower-cased tag:
// the position of the value and its length (up to the same quote, or to the
// tag's ">").  False when the tag has no such quoted attribute.
bool AttributeValue(std::string_view lower_tag, std::string_view name, size_t& start,
                    size_t& length) {
  for (size_t at = lower_tag.find(name); at != std::string_view::npos;
       at = lower_tag.find(name, at + 1)) {
    const size_t quote = at + name.size();
    if (quote >= lower_tag.size()) return false;
    const char q = lower_tag[quote];
    if (q != '"' && q != '\'') continue;
    start = quote + 1;
    size_t end = lower_tag.find(q, start);
    if (end == std::string_view::npos) end = lower_tag.size() - 1;  // up to ">"
    length = end > start ? end - start : 0;
    return true;
  }
  return false;
}

bool IsWebAddress(std::string_view lower_target) {
  return StartsWith(lower_target, "http://") || StartsWith(lower_target, "https://");
}

// Rewrites every tag that starts with `opening` by `rewrite(tag, lower_tag)`,
// which returns the replacement (empty: drop the tag).  A tag without ">"
// drops the rest of the text.
template <typename Rewrite>
std::string RewriteTags(const std::string& text, std::string_view opening, Rewrite rewrite) {
  const std::string lower = LowerAscii(text);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    const size_t open = lower.find(opening, pos);
    if (open == std::string::npos) {
      out.append(text, pos, std::string::npos);
      break;
    }
    out.append(text, pos, open - pos);
    const size_t close = lower.find('>', open);
    if (close == std::string::npos) break;
    out += rewrite(std::string_view(text).substr(open, close + 1 - open),
                   std::string_view(lower).substr(open, close + 1 - open));
    pos = close + 1;
  }
  return out;
}

std::string LinkTag(std::string_view tag, std::string_view lower_tag, std::string_view prefix) {
  size_t start = 0;
  size_t length = 0;
  if (!AttributeValue(lower_tag, "href=", start, length)) {
    // A named anchor, the target of "page#name" links: kept.
    return lower_tag.find("href") == std::string_view::npos ? std::string(tag) : std::string();
  }
  if (length == 0) return std::string();
  const std::string_view target = tag.substr(start, length);
  const std::string_view lower_target = lower_tag.substr(start, length);
  if (IsWebAddress(lower_target)) return std::string(target);
  if (target.front() == '#') return "<a href=\"" + std::string(target) + "\">";
  const size_t hash = target.find('#');
  std::string href(prefix);
  href += LowerAscii(FileNamePart(target.substr(0, hash)));
  if (hash != std::string_view::npos) href += target.substr(hash);
  return "<a href=\"" + href + "\">";
}

}  // namespace

std::string DecodeBasicEntities(std::string_view text) {
  std::string out(text);
  ReplaceAll(out, "&nbsp;", " ");
  ReplaceAll(out, "&quot;", "\"");
  ReplaceAll(out, "&amp;", "&");
  ReplaceAll(out, "&lt;", "<");
  ReplaceAll(out, "&gt;", ">");
  return out;
}

std::string FileNamePart(std::string_view gb_path) {
  size_t start = 0;
  for (size_t i = 0; i < gb_path.size();) {
    const char c = gb_path[i];
    const size_t length = GbCharLength(gb_path, i);
    i += length;
    if (length == 1 && (c == ':' || c == '/' || c == '\\')) start = i;
  }
  return std::string(gb_path.substr(start));
}

std::string ImageFileName(std::string_view source) { return LowerAscii(FileNamePart(source)); }

TransformedPage TransformPage(std::string_view page_bytes, std::string_view page_prefix) {
  TransformedPage result;
  CasedText page(PageText(page_bytes));
  result.title = DecodeBasicEntities(Title(page));
  KeepBody(page);
  RemoveSpan(page, "<script ", "</script>");
  while (RemoveSpan(page, "<object ", "</object>")) {
  }
  result.brief = Brief(page.text);

  std::string body = page.text.substr(0, page.text.find('\0'));
  body = RewriteTags(body, "<img ", [&](std::string_view tag, std::string_view lower_tag) {
    size_t start = 0;
    size_t length = 0;
    if (!AttributeValue(lower_tag, "src=", start, length) || length == 0) return std::string();
    const std::string_view source = tag.substr(start, length);
    result.image_sources.emplace_back(source);
    return "<img src=\"" + ImageFileName(source) + "\" border=\"0\" >";
  });
  result.content = RewriteTags(body, "<a ", [&](std::string_view tag, std::string_view lower_tag) {
    return LinkTag(tag, lower_tag, page_prefix);
  });
  return result;
}

}  // namespace mivrel
