#include "text/byte_text.h"

#include <limits>

namespace mif2cgps {

bool contains(std::string_view text, std::string_view pattern) {
  return text.find(pattern) != std::string_view::npos;
}

bool isBlank(std::string_view text) {
  for (const char c : text) {
    if (!isWhiteSpace(c)) return false;
  }
  return true;
}

std::string_view firstWord(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && isWhiteSpace(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !isWhiteSpace(line[end])) ++end;
  return line.substr(start, end - start);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::int64_t leadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

}  // namespace mif2cgps
