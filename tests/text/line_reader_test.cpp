#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace mif2cgps {
namespace {

const Failure kUnavailable{{MessageId::CannotOpen, "in.txt"}, kMidUnavailable};

std::vector<std::string> linesOf(const std::string& path) {
  LineReader reader(path, kUnavailable);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.readLine(line)) lines.emplace_back(line);
  return lines;
}

TEST(LineReaderTest, AppliesTheTextRules) {
  struct Case {
    std::string name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::string longLine(300'000, 'x');  // longer than one read of the file
  const Case cases[] = {
      {"LF", "a\nb\n", {"a\n", "b\n"}},
      {"CR LF becomes LF", "a\r\nb\r\n", {"a\n", "b\n"}},
      {"lone CR stays", "a\rb\n\r", {"a\rb\n", "\r"}},
      {"only the CR before LF goes", "a\r\r\n", {"a\r\n"}},
      {"last line without a break counts", "a\nlast", {"a\n", "last"}},
      {"0x1A ends the file", "a\nb\x1A" "c\nd\n", {"a\n", "b"}},
      {"0x1A at a line start", "a\n\x1Arest\n", {"a\n"}},
      {"empty file", "", {}},
      {"empty lines", "\n\r\n", {"\n", "\n"}},
      {"long line whole", longLine + "\r\nz", {longLine + "\n", "z"}},
      {"NUL bytes are bytes", std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
  };
  testing::ScratchFolder folder;
  for (const auto& c : cases) {
    EXPECT_EQ(linesOf(folder.write("in.txt", c.bytes)), c.lines) << c.name;
  }
}

TEST(LineReaderTest, CrLfSplitAcrossReadsStillBecomesLf) {
  testing::ScratchFolder folder;
  for (std::size_t length : {262'142u, 262'143u, 262'144u}) {
    const std::string line(length, 'y');
    EXPECT_EQ(linesOf(folder.write("in.txt", line + "\r\nz\r\n")), (std::vector<std::string>{line + "\n", "z\n"}))
        << "line length " << length;
  }
}

TEST(LineReaderTest, LineNumberCountsTheLinesReturned) {
  testing::ScratchFolder folder;
  LineReader reader(folder.write("in.txt", "one\ntwo\n"), kUnavailable);
  std::string_view line;
  ASSERT_TRUE(reader.readLine(line));
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "two\n");
  EXPECT_EQ(reader.lineNumber(), 2);
  EXPECT_FALSE(reader.readLine(line));
  EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(LineReaderTest, MissingFileOrFolderThrowsTheGivenFailure) {
  testing::ScratchFolder folder;
  for (const std::string& path : {folder.path("missing.txt"), folder.path("")}) {
    try {
      LineReader reader(path, kUnavailable);
      ADD_FAILURE() << "no failure for " << path;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.message.subject, "in.txt");
      EXPECT_EQ(failure.exitCode, kMidUnavailable);
    }
  }
}

}  // namespace
}  // namespace mif2cgps
