// The map source text the compiler reads: one header block, then one record
// block per drawn part of each record. Every line break in the file is
// CR LF, on every platform.
#pragma once

#include <string>
#include <string_view>

#include "text/platform_file.h"

namespace mif2cgps {

inline constexpr std::string_view kLineBreak = "\r\n";

// Appends `line` and a CR LF.
void appendLine(std::string& text, std::string_view line);

// The output file, written in large blocks.
class MapTextWriter {
 public:
  // Creates or empties the file at `path`. Throws the open failure naming
  // the path (exit code 3) when it cannot be created.
  explicit MapTextWriter(const std::string& path);
  MapTextWriter(const MapTextWriter&) = delete;
  MapTextWriter& operator=(const MapTextWriter&) = delete;
  // Writes out what is buffered and closes a file left open by a failure
  // elsewhere, keeping what was written, with errors ignored.
  ~MapTextWriter();

  // Appends bytes as they stand. Throws the write failure (exit code 3)
  // when the file cannot be written; what was written before stays. Does
  // nothing once a write has failed: that failure was thrown already.
  void write(std::string_view bytes);

  // Writes out what is buffered, so that a reader of the file sees it now.
  // Throws the write failure (exit code 3); does nothing after one.
  void flush();

  // Writes out what is buffered and closes the file. Throws the write
  // failure (exit code 3) when that fails, so a full disk is never taken
  // for success. Does nothing once a write has failed: that failure was
  // thrown already.
  void close();

 private:
  [[noreturn]] void failWrite();

  std::string path_;
  OutputFile file_;
  bool failed_ = false;
  std::string buffer_;
};

// Writes the 25 lines of the header block, with `name` verbatim in the ID
// and Name lines.
void writeHeader(MapTextWriter& out, std::string_view name);

}  // namespace mif2cgps
