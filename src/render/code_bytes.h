// The byte classes of the code-colouring scanner, one table lookup per byte.
// Every byte is classified on its own: the bytes of a double-byte character are
// never read as one character, so a letter-valued second byte is a word byte.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "render/colouring.h"

namespace mivrel {

enum class CodeByte : uint8_t {
  Other,           // ends a word; written unchanged
  Word,            // A-Z a-z 0-9 # $ % ? _ .
  Symbol,          // = * + - / ^ ( ) and the backslash: coloured when symbols are on
  CarriageReturn,  // CR: may close an open comment, assembler, string or highlight span
  TagOpen,         // <
  TagClose,        // >
  StringMark,      // kStringMark
  HighlightMark,   // kHighlightMark
  Semicolon,       // ; (a comment inside an assembler line)
  Apostrophe,      // ' (a comment outside tags and strings)
};

namespace code_bytes_detail {

constexpr std::array<CodeByte, 256> MakeTable() {
  std::array<CodeByte, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = CodeByte::Word;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = CodeByte::Word;
  for (int c = '0'; c <= '9'; ++c) table[c] = CodeByte::Word;
  for (unsigned char c : {'#', '$', '%', '?', '_', '.'}) table[c] = CodeByte::Word;
  for (unsigned char c : {'=', '*', '+', '-', '/', '^', '(', ')', '\\'}) table[c] = CodeByte::Symbol;
  table['\r'] = CodeByte::CarriageReturn;
  table['<'] = CodeByte::TagOpen;
  table['>'] = CodeByte::TagClose;
  table[static_cast<unsigned char>(kStringMark)] = CodeByte::StringMark;
  table[static_cast<unsigned char>(kHighlightMark)] = CodeByte::HighlightMark;
  table[';'] = CodeByte::Semicolon;
  table['\''] = CodeByte::Apostrophe;
  return table;
}

inline constexpr std::array<CodeByte, 256> kTable = MakeTable();

}  // namespace code_bytes_detail

constexpr CodeByte ClassifyCodeByte(char b) {
  return code_bytes_detail::kTable[static_cast<unsigned char>(b)];
}

inline bool IsSymbolByte(char b) { return ClassifyCodeByte(b) == CodeByte::Symbol; }

// True when every byte of `word` is one of ".0123456789" (a number to colour).
inline bool IsNumberWord(std::string_view word) {
  for (char c : word) {
    if (c != '.' && (c < '0' || c > '9')) return false;
  }
  return true;
}

}  // namespace mivrel
