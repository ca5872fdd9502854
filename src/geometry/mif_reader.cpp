#include "geometry/mif_reader.h"

#include <algorithm>

#include "output/map_text.h"
#include "text/byte_text.h"
#include "text/failure.h"
#include "text/sjis_texts.h"

namespace mif2cgps {

namespace {

constexpr std::string_view kSpace = " ";

enum class ObjectKind { Pline, MultiPoint, Line, Point };

ObjectKind objectKind(std::string_view objectLine) {
  if (firstWord(objectLine) == "Line") return ObjectKind::Line;
  if (contains(objectLine, "Pline")) return ObjectKind::Pline;
  if (contains(objectLine, "MultiPoint")) return ObjectKind::MultiPoint;
  return ObjectKind::Point;
}

std::string_view withoutLineFeed(std::string_view token) {
  if (!token.empty() && token.back() == '\n') token.remove_suffix(1);
  return token;
}

// A coordinate is the next space-separated token, its line feed removed; a
// token that was only the line feed is no coordinate.
bool nextCoordinate(Tokenizer& tokens, std::string_view& coordinate) {
  std::string_view token;
  if (!tokens.next(token)) return false;
  coordinate = withoutLineFeed(token);
  return !coordinate.empty();
}

// A count stands either as the next token of the object line or, when that
// is missing, as the first token of the next line.
bool nextCountToken(Tokenizer& tokens, std::string_view& token) {
  return tokens.next(token) && !isBlank(token);
}

std::int64_t countOnNextLine(MifReader& mif) {
  Tokenizer tokens(mif.readObjectLine(), kSpace);
  std::string_view token;
  return tokens.next(token) ? leadingInteger(token) : 0;
}

std::int64_t positiveCount(std::int64_t count, const MifReader& mif) {
  if (count <= 0) mif.failUnsound();
  return count;
}

void appendSection(MifReader& mif, std::int64_t pointCount, const RecordFrame& frame, std::string& record) {
  frame.beginBlock(record);
  beginCoordinateLine(record);
  for (std::int64_t i = 0; i < pointCount; ++i) {
    Tokenizer tokens(mif.readObjectLine(), kSpace);
    std::string_view x;
    std::string_view y;
    if (!nextCoordinate(tokens, x) || !nextCoordinate(tokens, y)) mif.failUnsound();
    appendCoordinatePair(record, i == 0, x, y);
  }
  endCoordinateLine(record);
  frame.endBlock(record);
}

void appendLineObject(Tokenizer& tokens, const MifReader& mif, const RecordFrame& frame, std::string& record) {
  std::string_view x1, y1, x2, y2;
  if (!nextCoordinate(tokens, x1) || !nextCoordinate(tokens, y1) || !nextCoordinate(tokens, x2) ||
      !nextCoordinate(tokens, y2)) {
    mif.failUnsound();
  }
  frame.beginBlock(record);
  beginCoordinateLine(record);
  appendCoordinatePair(record, true, x1, y1);
  appendCoordinatePair(record, false, x2, y2);
  endCoordinateLine(record);
  frame.endBlock(record);
}

std::string lineFailureMessage(std::string_view message, const LineReader& lines) {
  std::string text(message);
  text += lines.path();
  text += ' ';
  text += std::to_string(lines.lineNumber());
  text += sjis::kLineNumberClose;
  return text;
}

}  // namespace

bool isObjectLine(std::string_view line) {
  return contains(line, "Pline") || contains(line, "Point") || firstWord(line) == "Line";
}

MifReader::MifReader(const std::string& path)
    : lines_(path, cannotOpen(path, kMifOrTableUnavailable)) {}

bool MifReader::skipHeaderLine(std::string_view line) {
  if (header_ == Header::unknown) {
    header_ = equalsIgnoringCase(firstWord(line), "Version") ? Header::inside : Header::passed;
  }
  if (header_ != Header::inside) return false;
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
    header_ = Header::passed;
  }
  return true;
}

bool MifReader::findNextObject(std::string_view& objectLine) {
  std::string_view line;
  while (lines_.ReadLine(line)) {
    if (skipHeaderLine(line)) continue;
    if (isObjectLine(line)) {
      objectLine = line;
      return true;
    }
  }
  return false;
}

std::string_view MifReader::readObjectLine() {
  std::string_view line;
  if (!lines_.ReadLine(line)) failEnded();
  return line;
}

void MifReader::skipLineAfterPoint() {
  std::string_view line;
  if (lines_.ReadLine(line) && isObjectLine(line)) lines_.unreadLine();
}

void MifReader::failUnsound() const {
  throw Failure{lineFailureMessage(sjis::kMifUnsound, lines_), kMifIncomplete, true};
}

void MifReader::failEnded() const {
  throw Failure{lineFailureMessage(sjis::kMifEnded, lines_), kMifIncomplete, true};
}

void writePolyline(std::string_view objectLine, MifReader& mif, const RecordFrame& frame, std::string& record) {
  const ObjectKind kind = objectKind(objectLine);
  if (kind == ObjectKind::Point) mif.failUnsound();
  Tokenizer tokens(objectLine, kSpace);
  std::string_view token;
  tokens.next(token);  // the keyword
  if (kind == ObjectKind::Line) {
    appendLineObject(tokens, mif, frame, record);
    return;
  }
  // Every count on the object line is read before the next line replaces it.
  if (!nextCountToken(tokens, token)) {
    appendSection(mif, positiveCount(countOnNextLine(mif), mif), frame, record);
    return;
  }
  if (kind == ObjectKind::MultiPoint || !equalsIgnoringCase(withoutLineFeed(token), "Multiple")) {
    appendSection(mif, positiveCount(leadingInteger(token), mif), frame, record);
    return;
  }
  std::int64_t sections = 0;
  std::int64_t firstCount = 0;
  if (nextCountToken(tokens, token)) {
    sections = positiveCount(leadingInteger(token), mif);
    if (nextCountToken(tokens, token)) firstCount = positiveCount(leadingInteger(token), mif);
  } else {
    sections = positiveCount(countOnNextLine(mif), mif);
  }
  for (std::int64_t section = 0; section < sections; ++section) {
    const std::int64_t count = (section == 0 && firstCount > 0) ? firstCount : countOnNextLine(mif);
    appendSection(mif, positiveCount(count, mif), frame, record);
  }
}

void writePoint(std::string_view objectLine, const MifReader& mif, const RecordFrame& frame, std::string& record) {
  if (objectKind(objectLine) != ObjectKind::Point) mif.failUnsound();
  Tokenizer tokens(objectLine, kSpace);
  std::string_view x, y;
  tokens.next(x);  // the keyword
  if (!nextCoordinate(tokens, x) || !nextCoordinate(tokens, y)) mif.failUnsound();
  frame.beginBlock(record);
  beginCoordinateLine(record);
  appendCoordinatePair(record, true, x, y);
  endCoordinateLine(record);
  frame.endBlock(record);
}

}  // namespace mif2cgps
