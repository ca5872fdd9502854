#include "geometry/mif_reader.h"

#include <algorithm>
#include <array>

#include "text/byte_text.h"
#include "text/failure.h"

namespace mif2cgps {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr bool isWordSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

struct Keyword {
  std::string_view word;
  ObjectKind kind;
};
constexpr std::array kKeywords = {
    Keyword{"point", ObjectKind::Point},         Keyword{"line", ObjectKind::Line},
    Keyword{"pline", ObjectKind::Pline},         Keyword{"region", ObjectKind::Region},
    Keyword{"arc", ObjectKind::Arc},             Keyword{"text", ObjectKind::Text},
    Keyword{"rect", ObjectKind::Rect},           Keyword{"roundrect", ObjectKind::Roundrect},
    Keyword{"ellipse", ObjectKind::Ellipse},     Keyword{"multipoint", ObjectKind::Multipoint},
    Keyword{"collection", ObjectKind::Collection}, Keyword{"none", ObjectKind::None},
};

// The kind whose keyword `word` is, in any case; false for any other word.
bool keywordKind(std::string_view word, ObjectKind& kind) {
  // Coordinates and counts begin with a digit, a sign or a point: most
  // lines are ruled out by their first byte.
  if (word.empty() || !((word[0] | 0x20) >= 'a' && (word[0] | 0x20) <= 'z')) return false;
  for (const auto& keyword : kKeywords) {
    if (equalsIgnoringCase(word, keyword.word)) {
      kind = keyword.kind;
      return true;
    }
  }
  return false;
}

bool isKeyword(std::string_view word) {
  ObjectKind ignored;
  return keywordKind(word, ignored);
}

}  // namespace

bool Words::next(std::string_view& word) {
  std::size_t start = 0;
  while (start < rest_.size() && isWordSeparator(rest_[start])) ++start;
  if (start == rest_.size()) {
    rest_ = {};
    return false;
  }
  std::size_t end = start + 1;
  while (end < rest_.size() && !isWordSeparator(rest_[end])) ++end;
  word = rest_.substr(start, end - start);
  rest_.remove_prefix(end);
  return true;
}

MifReader::MifReader(const std::string& path)
    : lines_(path, Failure{{MessageId::CannotOpen, path}, kMifOrTableUnavailable}) {}

bool MifReader::passHeaderLine(std::string_view line) {
  if (header_ == Header::NotYetSeen) {
    if (isBlank(line)) return true;
    header_ = equalsIgnoringCase(firstWord(line), "Version") ? Header::Inside : Header::Passed;
  }
  if (header_ != Header::Inside) return false;
  // Column definitions never end the header, whatever their names.
  if (columnLinesLeft_ > 0) {
    --columnLinesLeft_;
    return true;
  }
  const auto word = firstWord(line);
  if (equalsIgnoringCase(word, "Columns")) {
    const auto afterWord = line.substr(static_cast<std::size_t>(word.data() + word.size() - line.data()));
    columnLinesLeft_ = std::max<std::int64_t>(0, leadingInteger(afterWord));
  } else if (equalsIgnoringCase(word, "Data")) {
    header_ = Header::Passed;
  }
  return true;
}

bool MifReader::nextObject(ObjectLine& object) {
  std::string_view line;
  while (lines_.readLine(line)) {
    if (lines_.lineNumber() == 1 && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    if (header_ != Header::Passed && passHeaderLine(line)) continue;
    Words words(line);
    std::string_view word;
    if (words.next(word) && keywordKind(word, object.kind)) {
      object.afterKeyword = words;
      return true;
    }
  }
  return false;
}

std::string_view MifReader::readLineInObject() {
  std::string_view line;
  if (!lines_.readLine(line)) failEnded();
  return line;
}

std::int64_t MifReader::readCount(Words& words) {
  std::string_view word;
  if (!words.next(word)) return readCountLine();
  const std::int64_t count = leadingInteger(word);
  if (count <= 0) failUnsound();
  return count;
}

std::int64_t MifReader::readCountLine() {
  Words words(readLineInObject());
  std::string_view word;
  if (!words.next(word) || isKeyword(word)) failUnsound();
  const std::int64_t count = leadingInteger(word);
  if (count <= 0) failUnsound();
  return count;
}

void MifReader::readCoordinatePair(std::string_view& x, std::string_view& y) {
  Words words(readLineInObject());
  if (!words.next(x) || isKeyword(x) || !words.next(y)) failUnsound();
}

void MifReader::failUnsound() const {
  throw Failure{{MessageId::MifUnsound, lines_.path(), lines_.lineNumber()}, kMifIncomplete, true};
}

void MifReader::failEnded() const {
  throw Failure{{MessageId::MifEnded, lines_.path(), lines_.lineNumber()}, kMifIncomplete, true};
}

}  // namespace mif2cgps
