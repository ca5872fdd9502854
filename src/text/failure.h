// The program's one error mechanism. A module that meets a failure it
// recognises throws a Failure carrying the console message and the exit
// code; runConversion catches it, prints the message and stops with a pause.
#pragma once

#include <string>
#include <string_view>

namespace mif2cgps {

enum ExitCode : int {
  kCompleted = 0,
  kMifOrTableUnavailable = 1,  // the MIF file or a conversion table cannot be opened or read
  kMidUnavailable = 2,         // the MID file cannot be opened or read
  kOutputUnavailable = 3,      // the output cannot be created, written or closed
  kMifIncomplete = 4,          // the MIF file ends early or holds an object that cannot be read soundly
  kNoBaseName = 5,             // standard input ended before a base name was typed
};

struct Failure {
  std::string message;  // Shift_JIS bytes, without the final line break
  ExitCode exitCode;
  bool reportsTotal = false;  // print "Total lines" (complete records) after the message
};

// The failure of a file that cannot be opened (or read): "ファイルを開けません(path)".
Failure cannotOpen(std::string_view path, ExitCode exitCode);

}  // namespace mif2cgps
