#include "render/colouring.h"

#include <algorithm>
#include <array>

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

// The bytes whose rule may do more than write them, in the scanner's three
// kinds of state.  Every other byte is written as it is and changes nothing,
// so the scan passes over it with one table look-up.
using StopBytes = std::array<bool, 256>;

template <typename Stops>
constexpr StopBytes MakeStops(Stops stops) {
  StopBytes table{};
  for (int b = 0; b < 256; ++b) table[b] = stops(ClassifyCodeByte(static_cast<char>(b)));
  return table;
}

// A word is being collected (which happens in plain code only): a word byte
// extends it, ";" outside an assembler line and ">" run on in it.
constexpr StopBytes kInWordStops = MakeStops([](CodeByte c) {
  return c != CodeByte::Word && c != CodeByte::Semicolon && c != CodeByte::TagClose;
});
// Plain code outside comments, between words.
constexpr bool IsCodeStop(CodeByte c) {
  return c == CodeByte::Word || c == CodeByte::TagOpen || c == CodeByte::TagClose ||
         c == CodeByte::StringMark || c == CodeByte::HighlightMark || c == CodeByte::Apostrophe;
}
constexpr StopBytes kCodeStops = MakeStops(IsCodeStop);
constexpr StopBytes kCodeStopsWithSymbols =
    MakeStops([](CodeByte c) { return IsCodeStop(c) || c == CodeByte::Symbol; });
// Inside a comment, a tag, a string or highlight span or an assembler line:
// only the bytes that close or open something matter.
constexpr StopBytes kSpanStops = MakeStops([](CodeByte c) {
  return c == CodeByte::TagOpen || c == CodeByte::TagClose || c == CodeByte::StringMark ||
         c == CodeByte::HighlightMark || c == CodeByte::Semicolon || c == CodeByte::Apostrophe ||
         c == CodeByte::CarriageReturn;
});

// True when the word, lower-cased, is `lower` (a three-letter keyword).
bool IsWord(std::string_view word, std::string_view lower) {
  if (word.size() != lower.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i]) return false;
  }
  return true;
}

// One forward pass over the text (plus the appended blank).  Each byte first
// goes through the rule of its class, then through the finishing step that
// writes it.  Most bytes are written as they are, so the output is the text
// itself up to the next byte whose rule writes something else: the pass keeps
// the position up to which the text has been copied, and copies the bytes in
// between in one piece only when a rule writes.  A word is replaced when it
// ends, before its bytes were ever copied.
class CodeColourer {
 public:
  CodeColourer(std::string_view text, const KeywordSets& keywords, const PageTemplate& page_template,
               SymbolColouring symbols, OutputBuffer& out)
      : text_(text), keywords_(keywords), tpl_(page_template), symbols_(symbols), out_(out) {
    for (KeywordKind kind : kLookupOrder) {
      const int span = SpanOfKind(kind);
      link_middle_[span] = "\">" + tpl_.span_open[span];
    }
    link_end_ = tpl_.span_close + "</a>";
  }

  void Run() {
    const size_t size = text_.size();
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text_.data());
    size_t pos = 0;
    while (true) {
      const StopBytes& stops = Stops();
      while (pos < size && !stops[bytes[pos]]) ++pos;
      if (pos == size) break;
      if (!in_word_ && &stops != &kSpanStops && ClassifyCodeByte(text_[pos]) == CodeByte::Word) {
        // A word starts in plain code (the rule of its first byte): its bytes
        // are passed over at once, and the byte that ends it goes to its rule.
        in_word_ = true;
        word_start_ = pos;
        ++pos;
        while (pos < size && !kInWordStops[bytes[pos]]) ++pos;
        if (pos == size) break;
      }
      Step(pos, text_[pos]);
      ++pos;
    }
    // The appended blank ends a final word and is taken off again: it is never written.
    if (in_word_) EndWord(size);
    CopyTextUpTo(size);
    JoinSymbolSpans();
  }

 private:
  const StopBytes& Stops() const {
    if (in_word_) return kInWordStops;
    if (in_comment_ || mode_ != Mode::Normal) return kSpanStops;
    return symbols_ == SymbolColouring::On ? kCodeStopsWithSymbols : kCodeStops;
  }

  // Writes the text's bytes not yet copied, up to `pos`.
  void CopyTextUpTo(size_t pos) {
    out_.Put(text_.data() + copied_, pos - copied_);
    copied_ = pos;
  }

  void Step(size_t pos, char b) {
    switch (ClassifyCodeByte(b)) {
      case CodeByte::Word: OnWordByte(pos); break;
      case CodeByte::TagOpen: OnTagOpen(pos); break;
      case CodeByte::TagClose: OnTagClose(pos); break;
      case CodeByte::StringMark: OnMark(pos, kStringColour); break;
      case CodeByte::HighlightMark: OnMark(pos, kFindColour); break;
      case CodeByte::Semicolon: OnSemicolon(pos); break;
      case CodeByte::Apostrophe: OnApostrophe(pos); break;
      case CodeByte::CarriageReturn:
      case CodeByte::Symbol:
      case CodeByte::Other: OnOtherByte(pos, b); break;
    }
    Finish(pos, b);
  }

  // A word starts only in plain code, outside comments, tags and spans.
  void OnWordByte(size_t pos) {
    if (in_word_ || in_comment_ || mode_ != Mode::Normal) return;
    in_word_ = true;
    word_start_ = pos;
  }

  // A tag begins: it ends a word, and nothing inside it is coloured.
  void OnTagOpen(size_t pos) {
    const std::string& symbol_span = tpl_.span_open[kSymbolColour];
    if (!text_has_symbol_span_ && symbol_span.size() > 1 && pos + 1 < text_.size() &&
        text_[pos + 1] == symbol_span[1] &&
        text_.compare(pos, symbol_span.size(), symbol_span) == 0)
      text_has_symbol_span_ = true;
    if (in_word_) EndWord(pos);
    mode_ = Mode::Marked;
    in_tag_ = true;
    in_word_ = false;
    tag_start_ = pos;
  }

  // The tag ends (a word being collected runs on through the ">"); the ">"
  // is written as it is.  A link of the text itself (an imported page's)
  // opens or closes here.
  void OnTagClose(size_t pos) {
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
    if (tag.size() <= start.size() || !IsWord(tag.substr(0, start.size()), start)) return false;
    const char next = tag[start.size()];
    return next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n';
  }

  // A string or highlight mark opens its span in plain code and closes
  // whatever marked span is open; a word before it is not looked up.
  void OnMark(size_t pos, int span) {
    if (mode_ == Mode::Normal && !in_comment_) {
      CopyTextUpTo(pos);
      out_.Put(tpl_.span_open[span]);
      mode_ = Mode::Marked;
      in_word_ = false;
      in_tag_ = false;
    } else if (mode_ == Mode::Marked) {
      CopyTextUpTo(pos + 1);
      out_.Put(tpl_.span_close);
      mode_ = Mode::JustClosed;
      in_tag_ = false;
    }
  }

  // ";" starts a comment inside an assembler line only.
  void OnSemicolon(size_t pos) {
    if (in_comment_ || mode_ != Mode::Assembler) return;
    CopyTextUpTo(pos);
    out_.Put(tpl_.span_close);
    out_.Put(tpl_.span_open[kCommentColour]);
    in_comment_ = true;
    in_word_ = false;
  }

  // An apostrophe outside tags and strings starts a comment; a word before it
  // is not looked up.
  void OnApostrophe(size_t pos) {
    if (in_comment_ || mode_ == Mode::Marked) return;
    CopyTextUpTo(pos);
    if (mode_ == Mode::Assembler) out_.Put(tpl_.span_close);
    out_.Put(tpl_.span_open[kCommentColour]);
    in_comment_ = true;
    in_word_ = false;
  }

  // Any other byte ends a word; a CR outside a tag first closes the open
  // comment, assembler line, or unterminated string or highlight span.
  void OnOtherByte(size_t pos, char b) {
    if (b == '\r' && !in_tag_ && (in_comment_ || mode_ != Mode::Normal)) {
      CopyTextUpTo(pos);
      out_.Put(tpl_.span_close);
      in_comment_ = false;
      in_word_ = false;
      mode_ = Mode::Normal;
      in_tag_ = false;
    }
    if (in_word_) EndWord(pos);
  }

  // Writes the byte unless its rule already did; symbols in plain code get a span.
  void Finish(size_t pos, char b) {
    if (mode_ == Mode::JustClosed) {
      mode_ = Mode::Normal;
    } else if (!in_comment_ && mode_ == Mode::Normal && symbols_ == SymbolColouring::On &&
               IsSymbolByte(b)) {
      WriteSymbol(pos, b);
    }
  }

  // A symbol right after a span joins it as it is written: runs of symbols
  // form one span, and a symbol after a number or string takes that span's
  // colour.
  void WriteSymbol(size_t pos, char b) {
    CopyTextUpTo(pos);
    const std::string& open = tpl_.span_open[kSymbolColour];
    const std::string& close = tpl_.span_close;
    const bool joins = out_.Size() != 0 && out_.Back() == '>' && out_.EndsWith(close);
    if (joins) out_.Truncate(out_.Size() - close.size());
    char* to = out_.Claim(open.size() + 1 + close.size());
    if (!joins) to = OutputBuffer::Write(to, open);
    *to++ = b;
    out_.Commit(OutputBuffer::Write(to, close));
    copied_ = pos + 1;
  }

  // The word text_[word_start_, end) is still to be copied; a keyword (the
  // first set holding it decides its colour), "rem" or "asm" when they are
  // keywords, or a number is written in its place.
  void EndWord(size_t end) {
    in_word_ = false;
    const std::string_view word = text_.substr(word_start_, end - word_start_);
    const KeywordKind kind = keywords_.FindFirst(word, kLookupOrder);
    if (kind != KeywordKind::None) {
      if (IsWord(word, "rem")) {
        CopyTextUpTo(word_start_);
        out_.Put(tpl_.span_open[kCommentColour]);
        out_.Put(word);
        in_comment_ = true;
      } else if (IsWord(word, "asm")) {
        CopyTextUpTo(word_start_);
        out_.Put(tpl_.span_open[kAsmColour]);
        out_.Put(word);
        mode_ = Mode::Assembler;
        in_tag_ = false;
      } else {
        WriteKeywordLink(word, SpanOfKind(kind));
      }
      copied_ = end;
    } else if (IsNumberWord(word)) {
      CopyTextUpTo(word_start_);
      const std::string& open = tpl_.span_open[kNumberColour];
      char* to = out_.Claim(open.size() + word.size() + tpl_.span_close.size());
      to = OutputBuffer::Write(to, open);
      to = OutputBuffer::Write(to, word);
      out_.Commit(OutputBuffer::Write(to, tpl_.span_close));
      copied_ = end;
    }
  }

  // The bare word is the link's address: the browser resolves it under
  // "about:" and navigation looks it up in the name index.  Writes the text
  // before the word too, all in one claimed run.  Inside a link of the text
  // itself the word is only coloured: a link in a link is no valid HTML, and
  // the browser would follow the inner one instead of the page's.
  void WriteKeywordLink(std::string_view word, int span) {
    if (in_text_link_) {
      CopyTextUpTo(word_start_);
      out_.Put(tpl_.span_open[span]);
      out_.Put(word);
      out_.Put(tpl_.span_close);
      return;
    }
    constexpr std::string_view kLinkStart = "<a href=\"";
    const std::string_view before = text_.substr(copied_, word_start_ - copied_);
    const std::string& middle = link_middle_[span];
    char* to = out_.Claim(before.size() + kLinkStart.size() + 2 * word.size() + middle.size() +
                          link_end_.size());
    to = OutputBuffer::Write(to, before);
    to = OutputBuffer::Write(to, kLinkStart);
    to = OutputBuffer::Write(to, word);
    to = OutputBuffer::Write(to, middle);
    to = OutputBuffer::Write(to, word);
    out_.Commit(OutputBuffer::Write(to, link_end_));
  }

  // The joins WriteSymbol cannot see: those of a symbol span tag that the text
  // itself holds (the HTML of a web-format entry may).  Without one in the
  // text, every symbol span tag of the output was written by this pass, and
  // WriteSymbol has joined each that followed a span.  Every "<" of the text
  // passes through OnTagOpen, which notes such a tag.
  void JoinSymbolSpans() {
    if (text_has_symbol_span_) out_.EraseAll(tpl_.span_close + tpl_.span_open[kSymbolColour]);
  }

  std::string_view text_;
  const KeywordSets& keywords_;
  const PageTemplate& tpl_;
  const SymbolColouring symbols_;
  OutputBuffer& out_;
  // The pieces of a keyword link between and after the word: "\">" and the
  // kind's span, the span's end and "</a>".
  std::array<std::string, kColourCount> link_middle_;
  std::string link_end_;

  Mode mode_ = Mode::Normal;
  bool in_word_ = false;
  bool in_comment_ = false;
  bool in_tag_ = false;
  bool text_has_symbol_span_ = false;
  bool in_text_link_ = false;  // between an "<a ...>" of the text and its "</a>"
  size_t tag_start_ = 0;       // position of the open tag's "<" in text_
  size_t word_start_ = 0;      // position of the word in text_
  size_t copied_ = 0;      // text_ before this position is in out_
};

}  // namespace

size_t ColouredSizeGuess(size_t text_size) { return text_size * 5 + 1000; }

void ColourCode(std::string_view text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols, OutputBuffer& out) {
  CodeColourer(text, keywords, page_template, symbols, out).Run();
}

void ColourCode(std::string& text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols) {
  OutputBuffer out(ColouredSizeGuess(text.size()));
  ColourCode(std::string_view(text), keywords, page_template, symbols, out);
  text.assign(out.View());
}

}  // namespace mivrel
