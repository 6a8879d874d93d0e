#include "render/colouring.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"
#include "render/code_bytes.h"
#include "render/keyword_sets.h"
#include "render/page_template.h"
#include "settings/settings.h"

namespace mivrel {
namespace {

// Marked: inside an HTML tag, or inside a string or highlight span.
// JustClosed: the current byte has already been written.
enum class Mode { Normal, Marked, Assembler, JustClosed };

struct KeywordClass {
  KeywordKind kind;
  int span;  // index into the template's span tags
};

// A word found in several sets takes the class of the first set in this order.
constexpr KeywordClass kLookupOrder[] = {
    {KeywordKind::Statement, kCodeColour},
    {KeywordKind::Api, kApiColour},
    {KeywordKind::Type, kTypeColour},
    {KeywordKind::Constant, kConstantColour},
};

// Room for the usual growth of coloured code; the buffer grows past it when a
// text needs more (a lone symbol byte becomes a 25-byte span).
size_t OutputReserve(size_t input_size) { return std::max<size_t>(1000, input_size * 4); }

bool IsRemWord(std::string_view word) { return word.size() == 3 && LowerAscii(word) == "rem"; }
bool IsAsmWord(std::string_view word) { return word.size() == 3 && LowerAscii(word) == "asm"; }

// One forward pass over the text (plus the appended blank).  Each byte first
// goes through the rule of its class, then through the finishing step that
// writes it.  A word is written byte for byte while it is collected and is
// replaced in the output when it ends, so the output never has to be rescanned.
class CodeColourer {
 public:
  CodeColourer(std::string_view text, const KeywordSets& keywords, const PageTemplate& page_template,
               SymbolColouring symbols)
      : text_(text), keywords_(keywords), tpl_(page_template), symbols_(symbols) {
    out_.reserve(OutputReserve(text.size()));
  }

  std::string Run() {
    for (size_t pos = 0; pos < text_.size(); ++pos) Step(pos, text_[pos]);
    // The appended blank ends a final word; it is taken off again afterwards.
    Step(text_.size(), ' ');
    out_.pop_back();
    JoinSymbolSpans();
    return std::move(out_);
  }

 private:
  void Step(size_t pos, char b) {
    switch (ClassifyCodeByte(b)) {
      case CodeByte::Word: OnWordByte(pos); break;
      case CodeByte::TagOpen: OnTagOpen(pos); break;
      case CodeByte::TagClose: OnTagClose(b); break;
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

  // Rule 1: a word starts only in plain code.
  void OnWordByte(size_t pos) {
    if (in_word_ || in_comment_ || mode_ != Mode::Normal) return;
    in_word_ = true;
    word_start_ = pos;
    out_word_start_ = out_.size();
  }

  // Rule 2: a tag begins; nothing inside it is coloured.
  void OnTagOpen(size_t pos) {
    if (in_word_) EndWord(pos);
    mode_ = Mode::Marked;
    in_tag_ = true;
    in_word_ = false;
  }

  // Rule 3: the tag ends (a word being collected runs on through the ">").
  void OnTagClose(char b) {
    out_ += b;
    mode_ = Mode::JustClosed;
    in_tag_ = false;
  }

  // Rules 4 and 5: a string or highlight mark opens its span in plain code and
  // closes whatever marked span is open.
  void OnMark(char b, int span) {
    if (mode_ == Mode::Normal && !in_comment_) {
      out_ += tpl_.span_open[span];
      mode_ = Mode::Marked;
      in_word_ = false;
      in_tag_ = false;
    } else if (mode_ == Mode::Marked) {
      out_ += b;
      out_ += tpl_.span_close;
      mode_ = Mode::JustClosed;
      in_tag_ = false;
    }
  }

  // Rule 6: ";" starts a comment inside an assembler line only.
  void OnSemicolon() {
    if (in_comment_ || mode_ != Mode::Assembler) return;
    out_ += tpl_.span_close;
    out_ += tpl_.span_open[kCommentColour];
    in_comment_ = true;
    in_word_ = false;
  }

  // Rule 7: an apostrophe outside tags and strings starts a comment.
  void OnApostrophe() {
    if (in_comment_ || mode_ == Mode::Marked) return;
    if (mode_ == Mode::Assembler) out_ += tpl_.span_close;
    out_ += tpl_.span_open[kCommentColour];
    in_comment_ = true;
    in_word_ = false;
  }

  // Rule 8: a CR outside a tag closes the open comment or span; every such
  // byte ends a word.
  void OnOtherByte(char b, size_t pos) {
    if (b == '\r' && !in_tag_ && (in_comment_ || mode_ != Mode::Normal)) {
      out_ += tpl_.span_close;
      in_comment_ = false;
      in_word_ = false;
      mode_ = Mode::Normal;
      in_tag_ = false;
    }
    if (in_word_) EndWord(pos);
  }

  // Step 3: write the byte unless its rule already did.
  void Finish(char b) {
    if (mode_ == Mode::JustClosed) {
      mode_ = Mode::Normal;
    } else if (!in_comment_ && mode_ == Mode::Normal && symbols_ == SymbolColouring::On &&
               IsSymbolByte(b)) {
      out_ += tpl_.span_open[kSymbolColour];
      out_ += b;
      out_ += tpl_.span_close;
    } else {
      out_ += b;
    }
  }

  // Step 4: the word text_[word_start_, end) has been written at
  // out_word_start_; a keyword or a number replaces it there.
  void EndWord(size_t end) {
    in_word_ = false;
    const std::string_view word = text_.substr(word_start_, end - word_start_);
    for (const KeywordClass& keyword : kLookupOrder) {
      if (!FindKeyword(keywords_.Set(keyword.kind), word)) continue;
      out_.resize(out_word_start_);
      if (IsRemWord(word)) {
        out_ += tpl_.span_open[kCommentColour];
        out_ += word;
        in_comment_ = true;
      } else if (IsAsmWord(word)) {
        out_ += tpl_.span_open[kAsmColour];
        out_ += word;
        mode_ = Mode::Assembler;
        in_tag_ = false;
      } else {
        WriteKeywordLink(word, keyword.span);
      }
      return;
    }
    if (IsNumberWord(word)) {
      out_.resize(out_word_start_);
      out_ += tpl_.span_open[kNumberColour];
      out_ += word;
      out_ += tpl_.span_close;
    }
  }

  // The bare word is the link's address: the browser resolves it under
  // "about:" and navigation looks it up in the name index.
  void WriteKeywordLink(std::string_view word, int span) {
    out_ += "<a href=\"";
    out_ += word;
    out_ += "\">";
    out_ += tpl_.span_open[span];
    out_ += word;
    out_ += tpl_.span_close;
    out_ += "</a>";
  }

  // Step 6: a symbol right after any span joins it, so runs of symbols form one
  // span and a symbol after a number or string takes that span's colour.
  void JoinSymbolSpans() { ReplaceAll(out_, tpl_.span_close + tpl_.span_open[kSymbolColour], ""); }

  std::string_view text_;
  const KeywordSets& keywords_;
  const PageTemplate& tpl_;
  const SymbolColouring symbols_;
  std::string out_;

  Mode mode_ = Mode::Normal;
  bool in_word_ = false;
  bool in_comment_ = false;
  bool in_tag_ = false;
  size_t word_start_ = 0;      // position of the word in text_
  size_t out_word_start_ = 0;  // where the word's bytes begin in out_
};

}  // namespace

void ColourCode(std::string& text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols) {
  text = CodeColourer(text, keywords, page_template, symbols).Run();
}

}  // namespace mivrel
