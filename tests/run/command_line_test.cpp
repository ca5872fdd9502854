#include "run/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mif2cgps {
namespace {

// The parse in one line: the action, then the output and base names, or the
// usage error's message id and subject.
std::string describe(const CommandLine& line) {
  std::ostringstream text;
  switch (line.action) {
    case CommandLine::Action::Dialogue: text << "dialogue"; break;
    case CommandLine::Action::Help: text << "help"; break;
    case CommandLine::Action::Version: text << "version"; break;
    case CommandLine::Action::UsageError:
      text << "usage error " << static_cast<int>(line.usageError->id) << " [" << line.usageError->subject << "]";
      break;
    case CommandLine::Action::Convert:
      text << "convert";
      if (line.outputPath) text << " -o " << *line.outputPath;
      for (const auto& name : line.baseNames) text << " [" << name << "]";
      break;
  }
  return text.str();
}

std::string usage(MessageId id, std::string_view subject = "") {
  return "usage error " + std::to_string(static_cast<int>(id)) + " [" + std::string(subject) + "]";
}

TEST(CommandLineTest, ParsesEveryForm) {
  const struct {
    std::vector<std::string> arguments;
    std::string expected;
  } cases[] = {
      {{}, "dialogue"},
      {{"roadsDK"}, "convert [roadsDK]"},
      {{"a/roadsDK", "b/riversKK.mif", "c.MID", "d.txt"}, "convert [a/roadsDK] [b/riversKK] [c] [d.txt]"},
      {{"x.mif.mid"}, "convert [x.mif]"},
      {{"-o", "tokyo.txt", "a", "b"}, "convert -o tokyo.txt [a] [b]"},
      {{"--output", "t.txt", "a"}, "convert -o t.txt [a]"},
      {{"--output=t.txt", "a"}, "convert -o t.txt [a]"},
      {{"--", "-dashed", "--help"}, "convert [-dashed] [--help]"},
      {{"a", "-o", "x"}, "convert [a] [-o] [x]"},
      {{"a", "--help"}, "help"},
      {{"-x", "--version"}, "version"},
      {{"--help", "--version"}, "help"},
      {{"-x", "a"}, usage(MessageId::UnknownOption, "-x")},
      {{"-"}, usage(MessageId::UnknownOption, "-")},
      {{"-o"}, usage(MessageId::OptionWithoutValue, "-o")},
      {{"-o", "", "a"}, usage(MessageId::OptionWithoutValue, "-o")},
      {{"-o", "a.txt", "-o", "b.txt", "c"}, usage(MessageId::OutputGivenTwice)},
      {{"-o", "a.txt"}, usage(MessageId::OutputWithoutLayer)},
      {{"-o", "a.txt", "--"}, usage(MessageId::OutputWithoutLayer)},
      {{"a", ""}, usage(MessageId::EmptyBaseName)},
      {{".mif"}, usage(MessageId::EmptyBaseName)},
      {{"--"}, usage(MessageId::EmptyBaseName)},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& argument : c.arguments) shown += "[" + argument + "] ";
    EXPECT_EQ(describe(parseCommandLine(c.arguments)), c.expected) << shown;
  }
}

}  // namespace
}  // namespace mif2cgps
