// The command line: mif2cgps [-o FILE] [--] [BASE ...]. Every argument is
// parsed before any file is touched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/failure.h"

namespace mif2cgps {

struct CommandLine {
  enum class Action { Dialogue, Convert, Help, Version, UsageError };
  Action action = Action::Dialogue;
  std::vector<std::string> baseNames;     // for Convert, each without a .mif or .mid ending
  std::optional<std::string> outputPath;  // -o FILE: every layer into this one map file
  std::optional<Message> usageError;      // for UsageError, what is wrong
};

// Reads the arguments after the program's name. No arguments give the
// dialogue. --help and --version win over anything else before "--".
// Options come before the base names; "--" or the first base name ends them.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The base name an argument names: a final ".mif" or ".mid", in any case,
// is removed, so a layer can be named by either of its files.
std::string baseNameOf(std::string argument);

}  // namespace mif2cgps
