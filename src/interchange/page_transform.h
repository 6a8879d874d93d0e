// Turning one HTML page into the parts of an imported entry: its title, a
// brief of at most 50 characters, and its body reduced to what the entry page
// can show, with image and link tags rewritten so that the program can serve
// them.  Pure functions on GB18030 bytes; any thread.
//
// The page's text is GBK unless its first "<meta " tag declares UTF-8
// ("charset=utf-8", also in the quoted form HTML5 writes) or the page starts
// with a UTF-8 byte-order mark.  All tag searches ignore the case of ASCII
// letters.  The body is the text between "<body>" (or the "<body ...>" tag)
// and "</body>"; its first script block and every complete object block are
// removed; it is cut before a NUL byte.
//
// Images: every "<img " tag with a non-empty src becomes
// <img src="FILE" border="0" >, FILE the lower-cased file-name part of the
// source; the source as written is kept so that the file can be read from the
// page's folder.  A tag without a source is dropped.
// Links: an "<a " tag with an href becomes <a href="PREFIX + FILE#anchor">, FILE
// the lower-cased file-name part of the target (the anchor keeps its case); an
// address of the web ("http://", "https://") becomes its bare text; an in-page
// target ("#name") stays; an empty target drops the tag; an "<a " tag without
// any href (a named anchor) stays as written.  Single and double quotes are
// both accepted around attribute values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mivrel {

struct TransformedPage {
  std::string title;                       // the first <title>, entities decoded; may be empty
  std::string brief;                       // at most 50 characters of plain text
  std::string content;                     // the rewritten body
  std::vector<std::string> image_sources;  // per rewritten image tag, as written
};

TransformedPage TransformPage(std::string_view page_bytes, std::string_view page_prefix);

// "&nbsp;", "&quot;", "&amp;", "&lt;", "&gt;" replaced in this order.
std::string DecodeBasicEntities(std::string_view text);

// The part of a path after its last ":", "/" or backslash (a backslash that is
// the second byte of a double-byte character is no separator).
std::string FileNamePart(std::string_view gb_path);

// The file name an image source is stored and served under.
std::string ImageFileName(std::string_view source);

}  // namespace mivrel
