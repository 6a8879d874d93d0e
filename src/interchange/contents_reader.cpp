#include "interchange/contents_reader.h"

#include "base/text.h"

namespace mivrel {
namespace {

constexpr std::string_view kListOpen = "<UL>";
constexpr std::string_view kListClose = "</UL>";
constexpr std::string_view kNamePrefix = "<PARAM NAME=\"NAME\" VALUE=\"";    // 26 bytes
constexpr std::string_view kLocalPrefix = "<PARAM NAME=\"LOCAL\" VALUE=\"";  // 27 bytes

// After the prefix, without the closing quote and ">"; a tag too short to
// hold both gives an empty value.
std::string_view ParameterValue(std::string_view tag, size_t prefix_length) {
  if (tag.size() < prefix_length + 2) return {};
  return tag.substr(prefix_length, tag.size() - 2 - prefix_length);
}

}  // namespace

ContentsReader::ContentsReader(std::string_view text) : m_text(text), m_upper(UpperAscii(text)) {
  const size_t first = m_upper.find(kListOpen);
  m_started = first != std::string::npos;
  m_pos = m_started ? first + kListOpen.size() : m_text.size();
}

bool ContentsReader::Next(ContentsEvent& event) {
  for (;;) {
    const size_t open = m_upper.find('<', m_pos);
    if (open == std::string::npos) return false;
    const size_t close = m_upper.find('>', open + 1);
    if (close == std::string::npos) return false;
    m_pos = close + 1;
    const std::string_view tag = std::string_view(m_upper).substr(open, close + 1 - open);
    const std::string_view original = m_text.substr(open, close + 1 - open);
    if (tag == kListOpen) {
      event = {ContentsTag::ListOpen, {}};
    } else if (tag == kListClose) {
      event = {ContentsTag::ListClose, {}};
    } else if (StartsWith(tag, kNamePrefix)) {
      event = {ContentsTag::Name, ParameterValue(original, kNamePrefix.size())};
    } else if (StartsWith(tag, kLocalPrefix)) {
      event = {ContentsTag::Local, ParameterValue(original, kLocalPrefix.size())};
    } else {
      continue;
    }
    return true;
  }
}

}  // namespace mivrel
