// The console dialogue's primitives: printing, reading the typed word, and
// the pause that keeps a window open long enough to read a failure.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "text/failure.h"
#include "text/messages.h"

namespace mif2cgps {

struct Console {
  std::FILE* in;
  std::FILE* out;
  ConsoleEncoding encoding = ConsoleEncoding::ShiftJis;

  // Writes the bytes as they stand; a line break is the caller's "\n".
  void print(std::string_view text) const;
  void printLine(std::string_view text) const;
  // Forms the message in the console's encoding and prints it on a line.
  void printMessage(const Message& message) const;
  // Makes what was printed visible before input is awaited.
  void flush() const;

  // Reads one word: white space before it is skipped, and it runs up to the
  // next white-space byte, which stays unread with the rest of its line.
  // Returns nothing when the input ends before a word begins.
  std::optional<std::string> readWord() const;
};

// Prints "push any key", discards the rest of the line the name was typed
// on, waits for one more byte of input (end of input ends the wait at once),
// and returns `code` as the exit status for main to return.
int stopWithPause(int code, const Console& console);

}  // namespace mif2cgps
