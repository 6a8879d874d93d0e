#include "editors/editor_text.h"

#include <algorithm>

#include "base/text.h"
#include "render/page_template.h"

namespace mivrel {

namespace {

constexpr std::string_view kBodyTag = "<body>";
constexpr std::string_view kBodyEndTag = "</body>";

}  // namespace

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string BoxTextFromStored(std::string_view stored) {
  return ReplacedAll(stored, "\r\n", "\n");
}

std::string StoredTextFromBox(std::string_view box) {
  std::string stored;
  stored.reserve(box.size() + box.size() / 16);
  for (size_t i = 0; i < box.size(); ++i) {
    if (box[i] == '\n' && (i == 0 || box[i - 1] != '\r')) stored += '\r';
    stored += box[i];
  }
  return stored;
}

std::string TextToWebHtml(std::string_view text) {
  std::string html = TrimBlanks(text);
  if (html.find('<') != std::string::npos) return html;
  ReplaceAll(html, "&", "&amp;");
  ReplaceAll(html, "<", "&lt;");
  ReplaceAll(html, ">", "&gt;");
  ReplaceAll(html, "  ", "&nbsp;&nbsp;");
  std::string out;
  out.reserve(html.size() + html.size() / 8);
  for (size_t i = 0; i < html.size(); ++i) {
    const bool crlf = html[i] == '\r' && i + 1 < html.size() && html[i + 1] == '\n';
    const bool lf = html[i] == '\n';
    if (crlf || lf) out += "<br>";
    out += html[i];
    if (crlf) out += html[++i];
  }
  return out;
}

std::string WebDocument(const PageTemplate& page_template, std::string_view html) {
  const std::string& head = page_template.head;
  const size_t body = head.find(kBodyTag);
  // The tag and the one character after it (the line end that follows it).
  const size_t cut = body == std::string::npos
                         ? head.size()
                         : std::min(head.size(), body + kBodyTag.size() + 1);
  std::string document = head.substr(0, cut);
  document.append(html);
  document += page_template.tail;
  return document;
}

std::string BodyFromInnerHtml(std::string_view inner_html) {
  const size_t body = inner_html.find(kBodyTag);
  if (body != std::string_view::npos) inner_html.remove_prefix(body + kBodyTag.size());
  const size_t end = inner_html.find(kBodyEndTag);
  if (end != std::string_view::npos) inner_html = inner_html.substr(0, end);
  return std::string(inner_html);
}

std::string LengthLabel(std::string_view box_text) {
  // Runs on every keystroke: count the CR bytes StoredTextFromBox would add
  // instead of building the text.
  size_t stored = box_text.size();
  for (size_t i = 0; i < box_text.size(); ++i)
    if (box_text[i] == '\n' && (i == 0 || box_text[i - 1] != '\r')) ++stored;
  return "文本长度：" + WithBlank(static_cast<long long>(stored)) +
         "，最大长度：" + WithBlank(static_cast<long long>(kContentLimit));
}

}  // namespace mivrel
