// Reading MIF objects: which kind each object is, its counts and its
// coordinate pairs. Coordinates are kept as text, never converted.
//
// When the file's first line that holds a word begins with Version (a UTF-8
// byte-order mark at the very start is ignored), its header runs up to the
// Data line and holds no objects. After that, an object begins at a line
// whose first word, in any case, is a MIF object keyword; every other line
// between objects (style lines, empty lines, the lines of objects that are
// not drawn) is passed over. Words on object and coordinate lines are
// separated by runs of spaces and tabs; the line feed belongs to no word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/line_reader.h"

namespace mif2cgps {

enum class ObjectKind { Point, Line, Pline, Region, Arc, Text, Rect, Roundrect, Ellipse, Multipoint, Collection, None };

// The words of an object line or a coordinate line, one after another.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) {}

  // Stores the next word in `word` and returns true, or returns false when
  // none is left.
  bool next(std::string_view& word);

 private:
  std::string_view rest_;
};

struct ObjectLine {
  ObjectKind kind;
  Words afterKeyword;  // the words that follow the keyword on its line
};

class MifReader {
 public:
  // Opens the MIF file; throws the open failure (exit code 1) naming `path`.
  explicit MifReader(const std::string& path);

  // Passes over lines up to the next object line and stores it in `object`;
  // returns false when the file ends first. Its words stay valid until the
  // next read.
  bool nextObject(ObjectLine& object);

  // The count a word gives (its leading digits). Throws the unsound failure
  // (exit code 4) when it is not positive.
  std::int64_t countOf(std::string_view word) const;

  // A count: the next word of `words`, or when there is none the first word
  // of the next line. Throws the unsound failure (exit code 4) when it is
  // not positive or that line begins with a keyword, the early-end failure
  // when the file ends.
  std::int64_t readCount(Words& words);

  // A count that stands as the first word of a line of its own.
  std::int64_t readCountLine();

  // The first two words of the next line. Throws the unsound failure when
  // it has fewer or begins with a keyword, the early-end failure when the
  // file ends. The views stay valid until the next read.
  void readCoordinatePair(std::string_view& x, std::string_view& y);

  // True when a read since the last call returned fewer bytes than it
  // asked for (see LineReader); clears that.
  bool takeShortRead() { return lines_.takeShortRead(); }

  // Failures that name the current line (exit code 4, "Total lines" reported).
  [[noreturn]] void failUnsound() const;
  [[noreturn]] void failEnded() const;

 private:
  bool passHeaderLine(std::string_view line);
  bool readPlainCoordinateLine(std::string_view& x, std::string_view& y);
  std::string_view readLineInObject();

  LineReader lines_;
  enum class Header { NotYetSeen, Inside, Passed } header_ = Header::NotYetSeen;
  std::int64_t columnLinesLeft_ = 0;
};

}  // namespace mif2cgps
