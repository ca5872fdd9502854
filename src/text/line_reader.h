// Reading a text file line by line, whole lines however long.
//
// The file is read in binary and the text rules are applied here, so every
// platform reads the same lines: CR LF becomes LF, a CR not followed by LF
// stays, and a byte 0x1A ends the file. A last line without a line break is
// returned like any other. Each refill is one read of the platform, which
// returns what is available: on a pipe a line is returned as soon as it has
// been written, as a line-by-line reader would see it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "text/byte_scan.h"
#include "text/failure.h"
#include "text/platform_file.h"

namespace mif2cgps {

class LineReader {
 public:
  // Opens `path` for reading. Throws `unavailable` when the file cannot be
  // opened or its first bytes cannot be read (a folder, for one), and again
  // whenever a later read fails: a read error is reported as the open failure.
  LineReader(const std::string& path, Failure unavailable);

  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Stores the next line in `line`, its line feed included when it has one,
  // and returns true; returns false at the end of the file. The view stays
  // valid until the next call.
  bool readLine(std::string_view& line) {
    // Most lines lie whole in the buffer: those take no call.
    char* start = buffer_.get() + begin_;
    const char* lineFeed = findByte(start, buffer_.get() + end_, '\n');
    if (!lineFeed) return readLineAcrossRefills(line);
    std::size_t length = static_cast<std::size_t>(lineFeed - start) + 1;
    begin_ += length;
    // CR LF becomes LF, in place: the LF moves onto the CR.
    if (length >= 2 && start[length - 2] == '\r') {
      start[length - 2] = '\n';
      --length;
    }
    line = std::string_view(start, length);
    ++lineNumber_;
    return true;
  }

  // The bytes buffered after the last line read, for a caller that scans
  // the next line itself. Valid until the next read; may hold no whole line.
  std::string_view buffered() const { return {buffer_.get() + begin_, end_ - begin_}; }

  // Takes the first `length` bytes of buffered(), which end in the next
  // line feed, as the next line read.
  void skipBufferedLine(std::size_t length) {
    begin_ += length;
    ++lineNumber_;
  }

  // Number of lines returned so far (the last line's number, counting from 1).
  std::int64_t lineNumber() const { return lineNumber_; }

  const std::string& path() const { return path_; }

  // True when a read since the last call returned fewer bytes than it asked
  // for, as reads of a pipe whose writer is still writing do; clears that.
  bool takeShortRead() {
    const bool seen = shortRead_;
    shortRead_ = false;
    return seen;
  }

 private:
  bool refill();
  bool readLineAcrossRefills(std::string_view& line);

  std::string path_;
  Failure unavailable_;
  InputFile file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;  // first unread byte in buffer_
  std::size_t end_ = 0;    // one past the last valid byte in buffer_
  bool atEnd_ = false;     // no more bytes will come: end of file or 0x1A met
  bool shortRead_ = false;
  std::string spill_;      // a line that spans refills is gathered here
  std::int64_t lineNumber_ = 0;
};

}  // namespace mif2cgps
