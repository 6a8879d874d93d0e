// Hexadecimal digits, the one rule for reading and writing them (colours in
// the settings file, CSS colours and class names, percent escapes).  Pure;
// any thread.
#pragma once

#include <string>

namespace mivrel {

// The upper-case digit of a value 0..15 (only the low four bits are used).
inline char HexDigit(unsigned value) { return "0123456789ABCDEF"[value & 0xF]; }

// The value of a hexadecimal digit of either case; -1 for any other byte.
inline int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Appends "%" and the byte's two upper-case digits.
inline void AppendPercentEscape(std::string& out, unsigned char byte) {
  out += '%';
  out += HexDigit(byte >> 4);
  out += HexDigit(byte);
}

}  // namespace mivrel
