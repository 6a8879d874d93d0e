#include "render/colouring.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"
#include "render/code_bytes.h"
#include "render/keyword_sets.h"
#include "render/output_buffer.h"
#include "render/page_template.h"
#include "settings/settings.h"

namespace mivrel {
namespace {

// Marked: inside an HTML tag, or inside a string or highlight span.
// JustClosed: the current byte has already been written.
enum class Mode { Normal, Marked, Assembler, JustClosed };

// A word found in several sets takes the class of the first set in this order.
constexpr std::initializer_list<KeywordKind> kLookupOrder = {
    KeywordKind::Statement, KeywordKind::Api, KeywordKind::Type, KeywordKind::Constant};

int SpanOfKind(KeywordKind kind) {
  switch (kind) {
    case KeywordKind::Statement: return kCodeColour;
    case KeywordKind::Api: return kApiColour;
    case KeywordKind::Type: return kTypeColour;
    default: return kConstantColour;
  }
}

// Ten times the text, which keyword-dense code comes near; the buffer grows
// past it when a text needs more (a lone symbol byte becomes a 25-byte span).
// Pages of the reserve that are never written cost no memory.
size_t OutputReserve(size_t input_size) { return std::max<size_t>(1000, input_size * 10); }

// True when the word, lower-cased, is `lower` (a three-letter keyword).
bool IsWord(std::string_view word, std::string_view lower) {
  return word.size() == lower.size() && LowerAscii(word) == lower;
}

// One forward pass over the text (plus the appended blank).  Each byte first
// goes through the rule of its class, then through the finishing step that
// writes it.  A word is written byte for byte while it is collected and is
// replaced in the output when it ends, so the output never has to be rescanned.
// In a run of word bytes, or of other bytes, only the first byte can change the
// state; the rest are written as they are, so they are copied in one go.
class CodeColourer {
 public:
  CodeColourer(std::string_view text, const KeywordSets& keywords, const PageTemplate& page_template,
               SymbolColouring symbols)
      : text_(text),
        keywords_(keywords),
        tpl_(page_template),
        symbols_(symbols),
        out_(OutputReserve(text.size())) {}

  std::string Run() {
    size_t pos = 0;
    while (pos < text_.size()) {
      const CodeByte kind = ClassifyCodeByte(text_[pos]);
      Step(pos, text_[pos], kind);
      ++pos;
      if (kind == CodeByte::Word || kind == CodeByte::Other) pos = CopyRun(pos, kind);
    }
    // The appended blank ends a final word; it is taken off again afterwards.
    Step(text_.size(), ' ', CodeByte::Other);
    out_.Truncate(out_.Size() - 1);
    std::string coloured = out_.Take();
    JoinSymbolSpans(coloured);
    return coloured;
  }

 private:
  void Step(size_t pos, char b, CodeByte kind) {
    switch (kind) {
      case CodeByte::Word: OnWordByte(pos); break;
      case CodeByte::TagOpen: OnTagOpen(pos); break;
      case CodeByte::TagClose: OnTagClose(b, pos); break;
      case CodeByte::StringMark: OnMark(b, kStringColour); break;
      case CodeByte::HighlightMark: OnMark(b, kFindColour); break;
      case CodeByte::Semicolon: OnSemicolon(); break;
      case CodeByte::Apostrophe: OnApostrophe(); break;
      case CodeByte::CarriageReturn:
      case CodeByte::Symbol:
      case CodeByte::Other: OnOtherByte(b, pos); break;
    }
    Finish(b);
  }

  // Writes the bytes from `pos` on that are of class `kind`; returns the
  // position of the first byte of another class.
  size_t CopyRun(size_t pos, CodeByte kind) {
    size_t end = pos;
    while (end < text_.size() && ClassifyCodeByte(text_[end]) == kind) ++end;
    out_.Put(text_.substr(pos, end - pos));
    return end;
  }

  // A word starts only in plain code, outside comments, tags and spans.
  void OnWordByte(size_t pos) {
    if (in_word_ || in_comment_ || mode_ != Mode::Normal) return;
    in_word_ = true;
    word_start_ = pos;
    out_word_start_ = out_.Size();
  }

  // A tag begins: it ends a word, and nothing inside it is coloured.
  void OnTagOpen(size_t pos) {
    if (in_word_) EndWord(pos);
    mode_ = Mode::Marked;
    in_tag_ = true;
    in_word_ = false;
    tag_start_ = pos;
  }

  // The tag ends (a word being collected runs on through the ">").  A link of
  // the text itself (an imported page's) opens or closes here.
  void OnTagClose(char b, size_t pos) {
    out_.Put(b);
    mode_ = Mode::JustClosed;
    if (in_tag_) {
      const std::string_view tag = text_.substr(tag_start_, pos + 1 - tag_start_);
      if (IsLinkTag(tag, "<a")) in_text_link_ = true;
      if (IsLinkTag(tag, "</a")) in_text_link_ = false;
    }
    in_tag_ = false;
  }

  // `tag` is "<a ...>" (or "</a>") in any case.
  static bool IsLinkTag(std::string_view tag, std::string_view start) {
    if (tag.size() <= start.size() || LowerAscii(tag.substr(0, start.size())) != start) return false;
    const char next = tag[start.size()];
    return next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n';
  }

  // A string or highlight mark opens its span in plain code and closes
  // whatever marked span is open; a word before it is not looked up.
  void OnMark(char b, int span) {
    if (mode_ == Mode::Normal && !in_comment_) {
      out_.Put(tpl_.span_open[span]);
      mode_ = Mode::Marked;
      in_word_ = false;
      in_tag_ = false;
    } else if (mode_ == Mode::Marked) {
      out_.Put(b);
      out_.Put(tpl_.span_close);
      mode_ = Mode::JustClosed;
      in_tag_ = false;
    }
  }

  // ";" starts a comment inside an assembler line only.
  void OnSemicolon() {
    if (in_comment_ || mode_ != Mode::Assembler) return;
    out_.Put(tpl_.span_close);
    out_.Put(tpl_.span_open[kCommentColour]);
    in_comment_ = true;
    in_word_ = false;
  }

  // An apostrophe outside tags and strings starts a comment; a word before it
  // is not looked up.
  void OnApostrophe() {
    if (in_comment_ || mode_ == Mode::Marked) return;
    if (mode_ == Mode::Assembler) out_.Put(tpl_.span_close);
    out_.Put(tpl_.span_open[kCommentColour]);
    in_comment_ = true;
    in_word_ = false;
  }

  // Any other byte ends a word; a CR outside a tag first closes the open
  // comment, assembler line, or unterminated string or highlight span.
  void OnOtherByte(char b, size_t pos) {
    if (b == '\r' && !in_tag_ && (in_comment_ || mode_ != Mode::Normal)) {
      out_.Put(tpl_.span_close);
      in_comment_ = false;
      in_word_ = false;
      mode_ = Mode::Normal;
      in_tag_ = false;
    }
    if (in_word_) EndWord(pos);
  }

  // Writes the byte unless its rule already did; symbols in plain code get a span.
  void Finish(char b) {
    if (mode_ == Mode::JustClosed) {
      mode_ = Mode::Normal;
    } else if (!in_comment_ && mode_ == Mode::Normal && symbols_ == SymbolColouring::On &&
               IsSymbolByte(b)) {
      WriteSymbol(b);
    } else {
      out_.Put(b);
    }
  }

  // A symbol right after a span joins it as it is written: runs of symbols
  // form one span, and a symbol after a number or string takes that span's
  // colour.
  void WriteSymbol(char b) {
    if (out_.Size() != 0 && out_.Back() == '>' && out_.EndsWith(tpl_.span_close)) {
      out_.Truncate(out_.Size() - tpl_.span_close.size());
    } else {
      out_.Put(tpl_.span_open[kSymbolColour]);
    }
    out_.Put(b);
    out_.Put(tpl_.span_close);
  }

  // The word text_[word_start_, end) has been written at out_word_start_; a
  // keyword (the first set holding it decides its colour), "rem" or "asm" when
  // they are keywords, or a number replaces it there.
  void EndWord(size_t end) {
    in_word_ = false;
    const std::string_view word = text_.substr(word_start_, end - word_start_);
    const KeywordKind kind = keywords_.FindFirst(word, kLookupOrder);
    if (kind != KeywordKind::None) {
      out_.Truncate(out_word_start_);
      if (IsWord(word, "rem")) {
        out_.Put(tpl_.span_open[kCommentColour]);
        out_.Put(word);
        in_comment_ = true;
      } else if (IsWord(word, "asm")) {
        out_.Put(tpl_.span_open[kAsmColour]);
        out_.Put(word);
        mode_ = Mode::Assembler;
        in_tag_ = false;
      } else {
        WriteKeywordLink(word, SpanOfKind(kind));
      }
    } else if (IsNumberWord(word)) {
      out_.Truncate(out_word_start_);
      out_.Put(tpl_.span_open[kNumberColour]);
      out_.Put(word);
      out_.Put(tpl_.span_close);
    }
  }

  // The bare word is the link's address: the browser resolves it under
  // "about:" and navigation looks it up in the name index.  Inside a link of
  // the text itself the word is only coloured: a link in a link is no valid
  // HTML, and the browser would follow the inner one instead of the page's.
  void WriteKeywordLink(std::string_view word, int span) {
    if (!in_text_link_) {
      out_.Put("<a href=\"");
      out_.Put(word);
      out_.Put("\">");
    }
    out_.Put(tpl_.span_open[span]);
    out_.Put(word);
    out_.Put(tpl_.span_close);
    if (!in_text_link_) out_.Put("</a>");
  }

  // The joins WriteSymbol cannot see: those of a symbol span tag that the text
  // itself holds (the HTML of a web-format entry may).  Without one in the
  // text, every symbol span tag of the output was written by this pass, and
  // WriteSymbol has joined each that followed a span.
  void JoinSymbolSpans(std::string& coloured) const {
    const std::string& symbol_span = tpl_.span_open[kSymbolColour];
    if (text_.find(symbol_span) == std::string_view::npos) return;
    ReplaceAll(coloured, tpl_.span_close + symbol_span, "");
  }

  std::string_view text_;
  const KeywordSets& keywords_;
  const PageTemplate& tpl_;
  const SymbolColouring symbols_;
  OutputBuffer out_;

  Mode mode_ = Mode::Normal;
  bool in_word_ = false;
  bool in_comment_ = false;
  bool in_tag_ = false;
  bool in_text_link_ = false;  // between an "<a ...>" of the text and its "</a>"
  size_t tag_start_ = 0;       // position of the open tag's "<" in text_
  size_t word_start_ = 0;      // position of the word in text_
  size_t out_word_start_ = 0;  // where the word's bytes begin in out_
};

}  // namespace

void ColourCode(std::string& text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols) {
  text = CodeColourer(text, keywords, page_template, symbols).Run();
}

}  // namespace mivrel
