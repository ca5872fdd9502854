#include "labels/key_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace mif2cgps {
namespace {

std::uint32_t earliestByScan(const std::vector<std::string>& keys, std::string_view text) {
  for (std::uint32_t i = 0; i < keys.size(); ++i) {
    if (!keys[i].empty() && text.find(keys[i]) != std::string_view::npos) return i;
  }
  return KeyMatcher::kNoKey;
}

TEST(KeyMatcherTest, FindsTheEarliestKeyInOrderNotInText) {
  const std::vector<std::string_view> keys = {"abc", "b", "xbcd", "", "bcd"};
  const KeyMatcher matcher(keys);
  EXPECT_EQ(matcher.earliestMatch("xbcd"), 1u);
  EXPECT_EQ(matcher.earliestMatch("zabcz"), 0u);
  EXPECT_EQ(matcher.earliestMatch("zzz"), KeyMatcher::kNoKey);
  EXPECT_EQ(matcher.earliestMatch(""), KeyMatcher::kNoKey);
  EXPECT_EQ(KeyMatcher().earliestMatch("abc"), KeyMatcher::kNoKey);
}

// Keys and texts over a small alphabet, so that keys overlap, nest and share
// suffixes in every way; the matcher must agree with a plain scan.
TEST(KeyMatcherTest, AgreesWithAPlainScanOnRandomKeys) {
  std::mt19937 random(20261211);
  auto randomText = [&](std::size_t maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text) c = "ab\x83}"[random() % 4];
    return text;
  };
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> keys(1 + random() % 30);
    for (auto& key : keys) key = randomText(5);
    const std::vector<std::string_view> views(keys.begin(), keys.end());
    // Both forms: full rows per state, and trie edges alone.
    for (const std::size_t denseLimit : {KeyMatcher::kDefaultDenseLimit, std::size_t{0}}) {
      const KeyMatcher matcher(views, denseLimit);
      for (int probe = 0; probe < 50; ++probe) {
        const std::string text = randomText(12);
        ASSERT_EQ(matcher.earliestMatch(text), earliestByScan(keys, text))
            << "round " << round << " dense limit " << denseLimit << " text " << text;
      }
    }
  }
}

}  // namespace
}  // namespace mif2cgps
