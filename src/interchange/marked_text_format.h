// The marked-text interchange format: the tags that frame categories, entries
// and their values, and the header line.  GB18030 text (GBK for every
// character GBK has), image bytes raw, lines joined by CR LF with none after
// the last.  Nothing inside a value is escaped, so a reader finds every element
// by searching for its tags, never by lines.  Constants only; any thread.
#pragma once

#include <string>
#include <string_view>

namespace mivrel {

constexpr std::string_view kLineBreak = "\r\n";

constexpr std::string_view kCategoryOpen = "<tkxml-是分类>";
constexpr std::string_view kCategoryClose = "</tkxml-是分类>";
constexpr std::string_view kEntryOpen = "<tkxml-是资料>";
constexpr std::string_view kEntryClose = "</tkxml-是资料>";

// One element: "<tkxml-" + word + ">" value "</tkxml-" + word + ">".
struct MarkedElement {
  std::string_view open;
  std::string_view close;
};

constexpr MarkedElement kCategoryNameTag{"<tkxml-类别名>", "</tkxml-类别名>"};
constexpr MarkedElement kNameTag{"<tkxml-名字>", "</tkxml-名字>"};
constexpr MarkedElement kIconTag{"<tkxml-图标>", "</tkxml-图标>"};
constexpr MarkedElement kPriorityTag{"<tkxml-优先>", "</tkxml-优先>"};
constexpr MarkedElement kKeywordTag{"<tkxml-关键词>", "</tkxml-关键词>"};
constexpr MarkedElement kBriefTag{"<tkxml-简介>", "</tkxml-简介>"};
constexpr MarkedElement kContentTag{"<tkxml-注解>", "</tkxml-注解>"};
constexpr MarkedElement kPageNameTag{"<tkxml-网页名>", "</tkxml-网页名>"};
// An image line: open + "[" + file name + "]" + bytes + close.
constexpr MarkedElement kImageTag{"<tkxml-图片>", "</tkxml-图片>"};

// Readers look only for the first "<?xml" and the first "?>" after it.
constexpr std::string_view kHeaderStart = "<?xml";
constexpr std::string_view kHeaderEnd = "?>";

// The header line: "<?xml version=\"1.1\" OsterkMivrel" + " " + the program's
// version as four numbers joined by "." + " ?>".
std::string MarkedTextHeader();

}  // namespace mivrel
