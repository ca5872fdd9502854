#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mif2cgps {
namespace {

std::vector<std::string> tokensOf(std::string_view text, std::string_view separators) {
  Tokenizer tokenizer(text, separators);
  std::vector<std::string> tokens;
  std::string_view token;
  while (tokenizer.next(token)) tokens.emplace_back(token);
  return tokens;
}

TEST(TokenizerTest, SplitsAsTheTokenizingRuleSays) {
  struct Case {
    std::string_view text;
    std::string_view separators;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"Pline 3\n", " ", {"Pline", "3\n"}},
      {"   139.1    35.6\n", " ", {"139.1", "35.6\n"}},
      {"139.1\t35.6\n", " ", {"139.1\t35.6\n"}},
      {"", " ", {}},
      {"   ", " ", {}},
      {"\"\",\"abc\"\n", "\"", {",", "abc", "\n"}},
      {"12,\"abc\"", "\"", {"12,", "abc"}},
      {"key , ,\tvalue rest", ", \t", {"key", "value", "rest"}},
      {"a", ",", {"a"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tokensOf(c.text, c.separators), c.tokens) << "text [" << c.text << "] separators [" << c.separators << "]";
  }
}

TEST(TokenizerTest, RestIsWhatFollowsTheConsumedSeparator) {
  Tokenizer tokenizer("key,,value\n", ",");
  std::string_view token;
  ASSERT_TRUE(tokenizer.next(token));
  EXPECT_EQ(token, "key");
  EXPECT_EQ(tokenizer.rest(), ",value\n");
}

TEST(ByteTextTest, LeadingIntegerReadsAsAtoiDoes) {
  struct Case {
    std::string_view text;
    std::int64_t value;
  };
  const Case cases[] = {
      {"3\n", 3},          {" \t 42", 42},     {"+7", 7},     {"-1", -1},
      {"2abc", 2},         {"abc", 0},         {"", 0},       {"Multiple", 0},
      {"- 5", 0},          {"0012", 12},       {"99999999999", 99999999999},
      {"99999999999999999999999", INT64_MAX},  {"-99999999999999999999999", -INT64_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(leadingInteger(c.text), c.value) << "text [" << c.text << "]";
}

TEST(ByteTextTest, FirstWordSkipsAllWhiteSpace) {
  EXPECT_EQ(firstWord("  Data\r\n"), "Data");
  EXPECT_EQ(firstWord("\tColumns 3\n"), "Columns");
  EXPECT_EQ(firstWord(" \n"), "");
  EXPECT_TRUE(equalsIgnoringCase("VERSION", "version"));
  EXPECT_FALSE(equalsIgnoringCase("Versio", "Version"));
}

TEST(ByteTextTest, ContainsIsByteWiseAndMayStartInsideACharacter) {
  // コ (0x83 0x52) followed by a hyphen holds "R-".
  EXPECT_TRUE(contains("\x83R-", "R-"));
  EXPECT_FALSE(contains("pline", "Pline"));
}

}  // namespace
}  // namespace mif2cgps
