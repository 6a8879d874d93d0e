// The colouring passes over most bytes without running their rules and writes
// unchanged text in runs.  Here it must agree, on random texts, with the
// rules run for every byte of the text, one output byte at a time.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "render/code_bytes.h"
#include "render/colouring.h"
#include "render/keyword_sets.h"
#include "render/page_template.h"
#include "settings/settings.h"

namespace mivrel {
namespace {

enum class Mode { Normal, Marked, Assembler, JustClosed };

// The rules for every byte, as plainly as they read, with FindKeyword on each
// set in the lookup order.
class RuleByRule {
 public:
  RuleByRule(const KeywordSets& sets, const PageTemplate& tpl, SymbolColouring symbols)
      : sets_(sets), tpl_(tpl), symbols_(symbols == SymbolColouring::On) {}

  std::string Colour(const std::string& input) {
    text_ = input + " ";
    for (pos_ = 0; pos_ < text_.size(); ++pos_) Byte(text_[pos_]);
    out_.pop_back();
    ReplaceAll(out_, tpl_.span_close + tpl_.span_open[kSymbolColour], "");
    return out_;
  }

 private:
  void Byte(char b) {
    const CodeByte kind = ClassifyCodeByte(b);
    if (kind == CodeByte::Word) {
      if (!in_word_ && !in_comment_ && mode_ == Mode::Normal) {
        in_word_ = true;
        word_start_ = pos_;
        out_word_start_ = out_.size();
      }
    } else if (kind == CodeByte::TagOpen) {
      if (in_word_) EndWord();
      mode_ = Mode::Marked;
      in_tag_ = true;
      in_word_ = false;
      tag_start_ = pos_;
    } else if (kind == CodeByte::TagClose) {
      out_ += b;
      mode_ = Mode::JustClosed;
      if (in_tag_) {
        const std::string tag = LowerAscii(text_.substr(tag_start_, pos_ + 1 - tag_start_));
        for (const char* start : {"<a", "</a"}) {
          const std::string open(start);
          if (tag.size() > open.size() && tag.compare(0, open.size(), open) == 0 &&
              std::string(">\t\r\n ").find(tag[open.size()]) != std::string::npos)
            in_text_link_ = open == "<a";
        }
      }
      in_tag_ = false;
    } else if (kind == CodeByte::StringMark || kind == CodeByte::HighlightMark) {
      if (mode_ == Mode::Normal && !in_comment_) {
        out_ += tpl_.span_open[kind == CodeByte::StringMark ? kStringColour : kFindColour];
        mode_ = Mode::Marked;
        in_word_ = false;
        in_tag_ = false;
      } else if (mode_ == Mode::Marked) {
        out_ += b;
        out_ += tpl_.span_close;
        mode_ = Mode::JustClosed;
        in_tag_ = false;
      }
    } else if (kind == CodeByte::Semicolon) {
      if (!in_comment_ && mode_ == Mode::Assembler) {
        out_ += tpl_.span_close + tpl_.span_open[kCommentColour];
        in_comment_ = true;
        in_word_ = false;
      }
    } else if (kind == CodeByte::Apostrophe) {
      if (!in_comment_ && mode_ != Mode::Marked) {
        if (mode_ == Mode::Assembler) out_ += tpl_.span_close;
        out_ += tpl_.span_open[kCommentColour];
        in_comment_ = true;
        in_word_ = false;
      }
    } else {
      if (b == '\r' && !in_tag_ && (in_comment_ || mode_ != Mode::Normal)) {
        out_ += tpl_.span_close;
        in_comment_ = in_word_ = in_tag_ = false;
        mode_ = Mode::Normal;
      }
      if (in_word_) EndWord();
    }
    if (mode_ == Mode::JustClosed) {
      mode_ = Mode::Normal;
    } else if (!in_comment_ && mode_ == Mode::Normal && symbols_ && kind == CodeByte::Symbol) {
      out_ += tpl_.span_open[kSymbolColour] + b + tpl_.span_close;
    } else {
      out_ += b;
    }
  }

  void EndWord() {
    in_word_ = false;
    const std::string word = text_.substr(word_start_, pos_ - word_start_);
    const std::pair<KeywordKind, int> order[] = {{KeywordKind::Statement, kCodeColour},
                                                 {KeywordKind::Api, kApiColour},
                                                 {KeywordKind::Type, kTypeColour},
                                                 {KeywordKind::Constant, kConstantColour}};
    for (const auto& [kind, span] : order) {
      if (!FindKeyword(sets_.Set(kind), word)) continue;
      out_.resize(out_word_start_);
      if (LowerAscii(word) == "rem") {
        out_ += tpl_.span_open[kCommentColour] + word;
        in_comment_ = true;
      } else if (LowerAscii(word) == "asm") {
        out_ += tpl_.span_open[kAsmColour] + word;
        mode_ = Mode::Assembler;
        in_tag_ = false;
      } else if (in_text_link_) {
        out_ += tpl_.span_open[span] + word + tpl_.span_close;
      } else {
        out_ += "<a href=\"" + word + "\">" + tpl_.span_open[span] + word + tpl_.span_close + "</a>";
      }
      return;
    }
    if (word.find_first_not_of(".0123456789") == std::string::npos) {
      out_.resize(out_word_start_);
      out_ += tpl_.span_open[kNumberColour] + word + tpl_.span_close;
    }
  }

  const KeywordSets& sets_;
  const PageTemplate& tpl_;
  const bool symbols_;
  std::string text_;
  std::string out_;
  size_t pos_ = 0;
  Mode mode_ = Mode::Normal;
  bool in_word_ = false;
  bool in_comment_ = false;
  bool in_tag_ = false;
  bool in_text_link_ = false;
  size_t tag_start_ = 0;
  size_t word_start_ = 0;
  size_t out_word_start_ = 0;
};

TEST(ColourCodeRulesTest, FastScanAgreesWithTheRulesForEveryByteOnRandomTexts) {
  KeywordSets sets;
  sets.MutableSet(KeywordKind::Statement) = {"AS", "ASM", "DIM", "REM"};
  sets.MutableSet(KeywordKind::Api) = {"GETTICKCOUNT", "VERYLONGKEYWORDNAMEBEYONDTHIRTYTWOBYTES"};
  sets.MutableSet(KeywordKind::Type) = {"DIM", "LONG"};
  sets.MutableSet(KeywordKind::Constant) = {"1", "NBSP;", "X", "\xb0" "A"};
  sets.SortAll();
  const PageTemplate tpl = BuildPageTemplate(DefaultSettings());
  // Pieces that open and close every state, and words of every kind.
  const std::vector<std::string> pieces = {
      "Dim", "rem", "ASM", "as", "x", "X1", "GetTickCount", "verylongkeywordnamebeyondthirtytwobytes",
      "Long", "3.14", "1", ".", "&H10", "10%", "nbsp;", "&nbsp;", "&lt;", "<br>\r\n", "\r\n", "\r",
      "\n", " ", "'", ";", "<", ">", "<b>", "<a href=\"x\">", "<A\tname=y>", "</a>", "</A >",
      "<abbr>", "=", "+", "(", ")", "\\", "^", std::string(1, kStringMark),
      std::string(1, kHighlightMark), "<span class=\"s2\">", "</span>", "\xb0" "A", "\xc4\xe3", "#", "_"};
  std::mt19937 random(23);
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    for (int n = static_cast<int>(random() % 40); n > 0; --n) {
      if (random() % 10 == 0) text += static_cast<char>(random() % 256);
      else text += pieces[random() % pieces.size()];
    }
    for (SymbolColouring symbols : {SymbolColouring::Off, SymbolColouring::On}) {
      std::string coloured = text;
      ColourCode(coloured, sets, tpl, symbols);
      ASSERT_EQ(coloured, RuleByRule(sets, tpl, symbols).Colour(text)) << "text: " << text;
    }
  }
}

}  // namespace
}  // namespace mivrel
