#include "text/console.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace mif2cgps {
namespace {

// A console whose input is `typed` and whose output is kept for reading.
struct FakeConsole {
  explicit FakeConsole(std::string_view typed) : in(std::tmpfile()), out(std::tmpfile()) {
    std::fwrite(typed.data(), 1, typed.size(), in);
    std::rewind(in);
  }
  ~FakeConsole() {
    std::fclose(in);
    std::fclose(out);
  }
  std::string printed() const {
    std::fflush(out);
    std::rewind(out);
    std::string text;
    for (int c = std::getc(out); c != EOF; c = std::getc(out)) text.push_back(static_cast<char>(c));
    return text;
  }
  std::string unread() const {
    std::string text;
    for (int c = std::getc(in); c != EOF; c = std::getc(in)) text.push_back(static_cast<char>(c));
    return text;
  }
  Console console() const { return Console{in, out}; }

  std::FILE* in;
  std::FILE* out;
};

TEST(ConsoleTest, ReadWordTakesOneWordAndLeavesTheRestOfTheLine) {
  struct Case {
    std::string_view typed;
    std::optional<std::string> word;
    std::string_view left;
  };
  const Case cases[] = {
      {"  sampleDK  \n", "sampleDK", "  \n"},
      {"a b\nnext\n", "a", " b\nnext\n"},
      {"\t\r\n\v\f dir/layerKK\n", "dir/layerKK", "\n"},
      {"last", "last", ""},
      {"", std::nullopt, ""},
      {" \n \n", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    FakeConsole fake(c.typed);
    EXPECT_EQ(fake.console().readWord(), c.word) << "typed [" << c.typed << "]";
    EXPECT_EQ(fake.unread(), c.left) << "typed [" << c.typed << "]";
  }
}

TEST(ConsoleTest, StopWithPauseDiscardsTheNameLineThenWaitsForOneByte) {
  FakeConsole fake("sample rest of line\nkey and more");
  ASSERT_EQ(fake.console().readWord(), "sample");
  EXPECT_EQ(stopWithPause(4, fake.console()), 4);
  EXPECT_EQ(fake.printed(), "push any key\n");
  EXPECT_EQ(fake.unread(), "ey and more");
}

TEST(ConsoleTest, StopWithPauseEndsAtOnceWhenInputHasEnded) {
  FakeConsole fake("sample");
  ASSERT_EQ(fake.console().readWord(), "sample");
  EXPECT_EQ(stopWithPause(1, fake.console()), 1);
  EXPECT_EQ(fake.printed(), "push any key\n");
}

}  // namespace
}  // namespace mif2cgps
