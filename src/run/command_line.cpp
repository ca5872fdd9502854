#include "run/command_line.h"

#include <algorithm>

#include "text/byte_text.h"

namespace mif2cgps {

namespace {

CommandLine usageError(MessageId id, std::string subject = {}) {
  CommandLine line;
  line.action = CommandLine::Action::UsageError;
  line.usageError = Message{id, std::move(subject)};
  return line;
}

}  // namespace

std::string baseNameOf(std::string argument) {
  if (argument.size() >= 4) {
    const std::string_view ending = std::string_view(argument).substr(argument.size() - 4);
    if (equalsIgnoringCase(ending, ".mif") || equalsIgnoringCase(ending, ".mid")) argument.resize(argument.size() - 4);
  }
  return argument;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  const auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
  for (auto argument = arguments.begin(); argument != optionsEnd; ++argument) {
    if (*argument == "--help") return CommandLine{CommandLine::Action::Help, {}, {}, {}};
    if (*argument == "--version") return CommandLine{CommandLine::Action::Version, {}, {}, {}};
  }

  CommandLine line;
  std::size_t next = 0;
  for (; next < arguments.size(); ++next) {
    const std::string& argument = arguments[next];
    if (argument == "--") {
      ++next;
      break;
    }
    if (argument.empty() || argument[0] != '-') break;
    std::optional<std::string> value;
    if (argument == "-o" || argument == "--output") {
      if (next + 1 < arguments.size()) value = arguments[++next];
    } else if (argument.starts_with("--output=")) {
      value = argument.substr(std::string_view("--output=").size());
    } else {
      return usageError(MessageId::UnknownOption, argument);
    }
    if (!value || value->empty()) return usageError(MessageId::OptionWithoutValue, argument);
    if (line.outputPath) return usageError(MessageId::OutputGivenTwice);
    line.outputPath = std::move(value);
  }
  for (; next < arguments.size(); ++next) {
    std::string baseName = baseNameOf(arguments[next]);
    if (baseName.empty()) return usageError(MessageId::EmptyBaseName);
    line.baseNames.push_back(std::move(baseName));
  }

  if (line.baseNames.empty()) {
    if (line.outputPath) return usageError(MessageId::OutputWithoutLayer);
    if (!arguments.empty()) return usageError(MessageId::EmptyBaseName);
    return line;
  }
  line.action = CommandLine::Action::Convert;
  return line;
}

}  // namespace mif2cgps
