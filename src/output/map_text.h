// The map source text the compiler reads: one header block, then one record
// block per record. Every line break in the file is CR LF, on every platform.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace mif2cgps {

inline constexpr std::string_view kLineBreak = "\r\n";

// Appends `line` and a CR LF.
void appendLine(std::string& text, std::string_view line);

// Appends `bytes` with each LF written as CR LF (a lone CR stays as it is).
void appendWithLineBreaks(std::string& text, std::string_view bytes);

// The coordinate line: "Data0=(" y1 "," x1 "),(" y2 "," x2 ... ")" CR LF.
// The coordinates are copied as text, the second one first.
void beginCoordinateLine(std::string& text);
void appendCoordinatePair(std::string& text, bool firstPair, std::string_view x, std::string_view y);
void endCoordinateLine(std::string& text);

// What a record's blocks share. A block is: opener, type line, label line,
// the coordinate line, closer, empty line; a record has one block, or one
// per section of a multi-section polyline.
class RecordFrame {
 public:
  // The section opener and closer are the run's; the closer's lines are
  // formed once here.
  RecordFrame(std::string_view opener, std::string_view closer);

  // The record's own lines; `labelLine` brings its own LF.
  void setRecord(std::string_view typeLine, std::string_view labelLine);

  // The lines before the coordinate line, and those after it.
  void beginBlock(std::string& text) const { text += head_; }
  void endBlock(std::string& text) const { text += tail_; }

 private:
  std::string_view opener_;
  std::string head_;
  std::string tail_;
};

// The output file, written in large blocks.
class MapTextWriter {
 public:
  // Creates or empties the file at `path`. Throws a Failure naming the path
  // (exit code 3) when it cannot be created.
  explicit MapTextWriter(const std::string& path);
  MapTextWriter(const MapTextWriter&) = delete;
  MapTextWriter& operator=(const MapTextWriter&) = delete;
  // Closes a file left open by a failure elsewhere, keeping what was written.
  ~MapTextWriter();

  // Appends bytes as they stand. Throws a Failure (exit code 3) when the
  // file cannot be written; what was written before stays.
  void write(std::string_view bytes);

  // Writes out what is buffered and closes the file. Throws a Failure
  // (exit code 3) when that fails, so a full disk is never taken for success.
  // Does nothing once a write has failed: that failure was thrown already.
  void close();

 private:
  void flushBuffer();
  [[noreturn]] void failWrite();

  std::string path_;
  std::FILE* file_;
  std::string buffer_;
};

// Writes the 25 lines of the header block, with the base name verbatim in
// the ID and Name lines.
void writeHeader(MapTextWriter& out, std::string_view baseName);

}  // namespace mif2cgps
