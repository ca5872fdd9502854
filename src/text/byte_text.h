// Byte text: every text is a byte string, compared byte-wise and
// case-sensitively. Nothing is decoded, so Shift_JIS passes through unchanged.
#pragma once

#include <cstdint>
#include <string_view>

namespace mif2cgps {

// True when `pattern` occurs in `text` as a byte-wise substring.
bool contains(std::string_view text, std::string_view pattern);

// Splits a text into tokens by a set of separator bytes: leading separators
// are skipped, a token runs up to the next separator (which is consumed) or
// the end, so tokens are never empty and adjacent separators act as one.
class Tokenizer {
 public:
  Tokenizer(std::string_view text, std::string_view separators)
      : rest_(text), separators_(separators) {}

  // Stores the next token in `token` and returns true, or returns false
  // (leaving `token` untouched) when only separators remain.
  bool next(std::string_view& token) {
    std::size_t start = 0;
    while (start < rest_.size() && isSeparator(rest_[start])) ++start;
    if (start == rest_.size()) {
      rest_ = {};
      return false;
    }
    std::size_t end = start + 1;
    while (end < rest_.size() && !isSeparator(rest_[end])) ++end;
    token = rest_.substr(start, end - start);
    rest_.remove_prefix(end < rest_.size() ? end + 1 : end);
    return true;
  }

  // What follows the last token's separator, not yet tokenized.
  std::string_view rest() const { return rest_; }

 private:
  // Separator sets hold a few bytes, so a plain loop beats a table.
  bool isSeparator(char c) const {
    for (const char separator : separators_) {
      if (c == separator) return true;
    }
    return false;
  }

  std::string_view rest_;
  std::string_view separators_;
};

// White space as C's isspace sees it in the "C" locale: space and 0x09 to 0x0D.
constexpr bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// True when the text holds nothing but white space (an empty text included).
bool isBlank(std::string_view text);

// The first word of a line: white space before it is skipped, and it runs up
// to the next white-space byte. Empty when the line is blank.
std::string_view firstWord(std::string_view line);

// ASCII letters compared without regard to case; other bytes must be equal.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Reads a decimal integer as C's atoi does: leading white space, one optional
// sign, then digits up to the first other byte. No digits gives 0. Values past
// the int64 range saturate instead of overflowing.
std::int64_t leadingInteger(std::string_view text);

// True when the byte starts a Shift_JIS double-byte character; the byte after
// it is then that character's second half, whatever its value.
constexpr bool isShiftJisLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace mif2cgps
