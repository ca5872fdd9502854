// The MIF geometry reader: finds each record's object in the MIF file and
// writes its coordinates as coordinate lines, each pair swapped.
//
// An object begins on a line that holds "Pline" or "Point" (byte-wise,
// case-sensitive, anywhere in the line) or whose first word is "Line".
// When the file begins with a Version line, its header (up to the Data line)
// holds no objects. Coordinates are copied as text, never as numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/map_text.h"
#include "text/line_reader.h"

namespace mif2cgps {

class MifReader {
 public:
  // Opens the MIF file; throws the open failure (exit code 1) naming `path`.
  explicit MifReader(const std::string& path);

  // Stores the next object line in `objectLine` and returns true, or returns
  // false when the file ends first. The view is valid until the next read.
  bool findNextObject(std::string_view& objectLine);

  // The next line, for an object's own lines. Throws the early-end failure
  // when the file ends inside the object.
  std::string_view readObjectLine();

  // Reads the line after a point object and drops it, unless it begins the
  // next object; then it stays for the next search.
  void skipLineAfterPoint();

  // Failures for the current line (exit code 4, "Total lines" reported).
  [[noreturn]] void failUnsound() const;
  [[noreturn]] void failEnded() const;

 private:
  bool skipHeaderLine(std::string_view line);

  LineReader lines_;
  enum class Header { unknown, inside, passed } header_ = Header::unknown;
  std::int64_t columnLinesLeft_ = 0;
};

// True for a line that begins an object.
bool isObjectLine(std::string_view line);

// Reads the object that begins at `objectLine` as a polyline and appends its
// record blocks to `record`: one block for Pline, MultiPoint and Line
// objects, one per section for "Pline Multiple". Throws a failure (exit
// code 4) when the object cannot be read soundly or the file ends inside it;
// `record` may then hold a part of the object.
void writePolyline(std::string_view objectLine, MifReader& mif, const RecordFrame& frame, std::string& record);

// Appends the record block of the point on `objectLine`. Throws a failure
// (exit code 4) when the line is not a point or lacks its two coordinates.
void writePoint(std::string_view objectLine, const MifReader& mif, const RecordFrame& frame, std::string& record);

}  // namespace mif2cgps
