#include "geometry/mif_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "text/byte_scan.h"
#include "text/byte_text.h"
#include "text/failure.h"

namespace mif2cgps {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr bool isWordSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Takes the next word of `rest`, as Words::next does.
inline bool takeWord(std::string_view& rest, std::string_view& word) {
  const char* p = rest.data();
  const char* end = p + rest.size();
  while (p < end && isWordSeparator(*p)) ++p;
  if (p == end) {
    rest = {};
    return false;
  }
  const char* wordEnd = p + 1;
  for (;;) {
    wordEnd = findByteBelow0x21(wordEnd, end);
    if (wordEnd == end || isWordSeparator(*wordEnd)) break;
    ++wordEnd;  // another control byte belongs to the word
  }
  word = std::string_view(p, static_cast<std::size_t>(wordEnd - p));
  rest = std::string_view(wordEnd, static_cast<std::size_t>(end - wordEnd));
  return true;
}

// A word of up to 16 bytes, lower-cased and packed into two integers, so
// that comparing it with a keyword takes two integer comparisons.
struct PackedWord {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  bool operator==(const PackedWord&) const = default;
};

constexpr std::size_t kLongestKeyword = 16;

constexpr PackedWord packLowerCase(std::string_view word) {
  PackedWord packed;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const std::uint64_t byte = static_cast<unsigned char>(c);
    (i < 8 ? packed.low : packed.high) |= byte << (8 * (i % 8));
  }
  return packed;
}

struct Keyword {
  PackedWord word;
  ObjectKind kind;
};
constexpr std::array kKeywords = {
    Keyword{packLowerCase("point"), ObjectKind::Point},
    Keyword{packLowerCase("line"), ObjectKind::Line},
    Keyword{packLowerCase("pline"), ObjectKind::Pline},
    Keyword{packLowerCase("region"), ObjectKind::Region},
    Keyword{packLowerCase("arc"), ObjectKind::Arc},
    Keyword{packLowerCase("text"), ObjectKind::Text},
    Keyword{packLowerCase("rect"), ObjectKind::Rect},
    Keyword{packLowerCase("roundrect"), ObjectKind::Roundrect},
    Keyword{packLowerCase("ellipse"), ObjectKind::Ellipse},
    Keyword{packLowerCase("multipoint"), ObjectKind::Multipoint},
    Keyword{packLowerCase("collection"), ObjectKind::Collection},
    Keyword{packLowerCase("none"), ObjectKind::None},
};

// The kind whose keyword `word` is, in any case; false for any other word.
bool keywordKind(std::string_view word, ObjectKind& kind) {
  // Coordinates and counts begin with a digit, a sign or a point: most
  // lines are ruled out by their first byte.
  if (word.empty() || word.size() > kLongestKeyword || !((word[0] | 0x20) >= 'a' && (word[0] | 0x20) <= 'z')) {
    return false;
  }
  const PackedWord packed = packLowerCase(word);
  for (const auto& keyword : kKeywords) {
    if (packed == keyword.word) {
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

bool Words::next(std::string_view& word) { return takeWord(rest_, word); }

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
    if (header_ != Header::Passed) {
      if (lines_.lineNumber() == 1 && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
      if (passHeaderLine(line)) continue;
    }
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

std::int64_t MifReader::countOf(std::string_view word) const {
  const std::int64_t count = leadingInteger(word);
  if (count <= 0) failUnsound();
  return count;
}

std::int64_t MifReader::readCount(Words& words) {
  std::string_view word;
  return words.next(word) ? countOf(word) : readCountLine();
}

std::int64_t MifReader::readCountLine() {
  Words words(readLineInObject());
  std::string_view word;
  if (!words.next(word) || isKeyword(word)) failUnsound();
  return countOf(word);
}

bool MifReader::readPlainCoordinateLine(std::string_view& x, std::string_view& y) {
  const std::string_view buffered = lines_.buffered();
  const char* const start = buffered.data();
  const char* const end = start + buffered.size();
  const char* p = start;
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  const char* xEnd = findByteBelow0x21(p, end);
  if (xEnd == p || xEnd == end || (*xEnd != ' ' && *xEnd != '\t')) return false;
  const char* yStart = xEnd;
  while (yStart < end && (*yStart == ' ' || *yStart == '\t')) ++yStart;
  const char* yEnd = findByteBelow0x21(yStart, end);
  if (yEnd == yStart || yEnd == end) return false;
  const char* lineFeed = nullptr;
  if (*yEnd == '\n') {
    lineFeed = yEnd;
  } else if (*yEnd == '\r') {
    // CR LF ends the line; a lone CR belongs to y, as the general reading has it.
    if (yEnd + 1 == end || yEnd[1] != '\n') return false;
    lineFeed = yEnd + 1;
  } else if (*yEnd == ' ' || *yEnd == '\t') {
    lineFeed = findByte(yEnd, end, '\n');
  }
  if (!lineFeed) return false;
  x = std::string_view(p, static_cast<std::size_t>(xEnd - p));
  y = std::string_view(yStart, static_cast<std::size_t>(yEnd - yStart));
  lines_.skipBufferedLine(static_cast<std::size_t>(lineFeed + 1 - start));
  return true;
}

void MifReader::readCoordinatePair(std::string_view& x, std::string_view& y) {
  // Most coordinate lines are two words and a line break, read in one pass;
  // any other line is read the general way.
  if (!readPlainCoordinateLine(x, y)) {
    std::string_view rest = readLineInObject();
    if (!takeWord(rest, x) || !takeWord(rest, y)) failUnsound();
  }
  if (isKeyword(x)) failUnsound();
}

void MifReader::failUnsound() const {
  throw Failure{{MessageId::MifUnsound, lines_.path(), lines_.lineNumber()}, kMifIncomplete, true};
}

void MifReader::failEnded() const {
  throw Failure{{MessageId::MifEnded, lines_.path(), lines_.lineNumber()}, kMifIncomplete, true};
}

}  // namespace mif2cgps
