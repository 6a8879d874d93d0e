// The steps that turn an entry's text (brief + CR LF + content, GB18030) into
// the body of its page around code colouring: search-hit marks, the web and
// plain formats, and after colouring the quotes and the rules before section
// headings.  Pure functions; each is one pass over the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "render/image_files.h"

namespace mivrel {

class OutputBuffer;

// Removes stray marker bytes (16 and 17) from stored text so that only the
// marks placed by the page builder reach the colouring.
void DropMarkerBytes(std::string& text);

// Encloses every occurrence of `search` that begins at a character boundary in
// kHighlightMark bytes.  Returns false (and changes nothing) for an empty search.
enum class HitPlaces { Anywhere, OutsideTags };
// With OutsideTags (web-format text) a hit that starts inside an HTML tag or
// would reach across "<" or ">" is left alone, so the marks never break markup.
bool MarkSearchHits(std::string& text, const std::string& search,
                    HitPlaces places = HitPlaces::Anywhere);

// Web format (the text is HTML): "&quot;" becomes kStringMark, and every
// relative `<img src="...">` points into `folder_address`, at the name the
// image was written under when its stored name had to be reduced.  Sources
// with a scheme ("http:", "data:", "file:") are left as they are.
void PrepareWebFormat(std::string& text, const std::string& folder_address,
                      const std::vector<WrittenImage>& images);

// Plain format: "&", "<", ">" escaped, double quotes become kStringMark, pairs
// of blanks "&nbsp;&nbsp;", CR LF "<br>" + CR LF.  Appends the result to `out`.
void PreparePlainFormat(std::string_view text, OutputBuffer& out);
// The room to reserve for the plain format of `text_size` bytes: a little
// more than the text, which holds some blanks in pairs and ends lines in CR LF.
size_t PlainSizeGuess(size_t text_size);

// Appends the coloured text to the page being assembled, with every
// kStringMark turned into "&quot;" and a dashed rule before every standard
// section heading (【参数】, 【说明】, ...) that begins at a character boundary.
void AppendFinishedText(std::string_view text, std::string& page);

}  // namespace mivrel
