// Files as the platform gives them, in binary: the text rules are applied
// by the readers and writers above, so every platform reads and writes the
// same bytes. One class per direction; each owns its handle and closes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mif2cgps {

class InputFile {
 public:
  // Opens `path` for reading; isOpen() tells whether that worked.
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isOpen() const;

  // One read of the platform (read or ReadFile): waits until some bytes are
  // there, then returns what is available, at most `size` bytes; 0 at the
  // end of the file, -1 on a read error. On a pipe it returns a line as
  // soon as the writer has written it.
  std::ptrdiff_t readSome(char* buffer, std::size_t size);

 private:
  std::intptr_t handle_;
};

class OutputFile {
 public:
  // Creates or empties `path`; isOpen() tells whether that worked.
  explicit OutputFile(const std::string& path);
  // Closes a file that was not closed, ignoring errors: a failure elsewhere
  // is being reported already.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool isOpen() const;

  // Writes every byte; false when that fails.
  bool writeAll(const char* bytes, std::size_t size);

  // Closes the file; false when the close fails (the bytes may be lost).
  bool close();

 private:
  std::intptr_t handle_;
};

}  // namespace mif2cgps
