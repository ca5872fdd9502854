#include "labels/conversion_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "test_files.h"
#include "text/failure.h"

namespace mif2cgps {
namespace {

// 高速自動車国道, 一般国道, 国道
const std::string kExpressway = "\x8D\x82\x91\xAC\x8E\xA9\x93\xAE\x8E\xD4\x8D\x91\x93\xB9";
const std::string kGeneralRoad = "\x88\xEA\x94\xCA\x8D\x91\x93\xB9";
const std::string kRoad = "\x8D\x91\x93\xB9";

TEST(ConversionTableTest, ParsesRows) {
  struct Case {
    std::string line;
    std::string key;
    std::string value;
  };
  const Case cases[] = {
      {kExpressway + ",HWY\n", kExpressway, "HWY"},
      {kRoad + " ,  R-1\n", kRoad, "R-1"},
      {kRoad + ",R 1\n", kRoad, "R"},
      {"\tkey\t,,value,rest\n", "key", "value"},
      {"key\n", "key\n", ""},
      {"key,\n", "key", ""},
      {"key", "key", ""},
      {"\n", "\n", ""},
      {" , \t\n", "\n", ""},
      {" , \t", "", ""},
  };
  for (const auto& c : cases) {
    const TableRow row = parseTableRow(c.line);
    EXPECT_EQ(row.key, c.key) << "line [" << c.line << "]";
    EXPECT_EQ(row.value, c.value) << "line [" << c.line << "]";
  }
}

// A time the tests move by hand, so that none of them sleeps.
TimePoint fakeNow;

class TableLookupTest : public ::testing::Test {
 protected:
  // Writes the table, lets the question interval pass, and looks up.
  std::string lookup(const std::string& tableText, std::string_view text) {
    folder_.write("DKconvert.txt", tableText);
    fakeNow += ConversionTable::kQuestionInterval;
    return std::string(table_.lookup(text, fakeNow));
  }

  testing::ScratchFolder folder_;
  testing::WorkingDirectory here_{folder_.path("")};
  ConversionTable table_{"DKconvert.txt"};
};

TEST_F(TableLookupTest, FirstRowWhoseKeyOccursInTheTextWins) {
  struct Case {
    std::string name;
    std::string table;
    std::string text;
    std::string value;
  };
  const std::string longKey(200, 'k');
  const Case cases[] = {
      {"whole key", kExpressway + ",HWY\n", "xx" + kExpressway + "yy", "HWY"},
      {"substring key", kRoad + ",R-\n", kGeneralRoad, "R-"},
      {"earlier row wins", kRoad + ",first\n" + kGeneralRoad + ",second\n", kGeneralRoad, "first"},
      {"mixed separators", kRoad + " ,  R-1\n", kRoad, "R-1"},
      {"value ends at a space", kRoad + ",R 1\n", kRoad, "R"},
      {"no row matches", kRoad + ",R-\n", "abc", ""},
      {"empty table", "", kRoad, ""},
      {"empty and separator-only rows passed over", "\n , \t\n" + kRoad + ",R-\n", kRoad, "R-"},
      {"key-only row passed over", "ab\nab,second\n", "ab", "second"},
      {"row without a value passed over", "ab,\nab, ,\t\nab,third\n", "ab", "third"},
      {"long row whole", longKey + ",LONG\nkkk,short\n", longKey, "LONG"},
      {"long row leaves no spurious key", "x" + longKey + ",LONG\nkkk,short\n", longKey, "short"},
      {"last row without a line break", "ab,one\ncd,two", "cd", "two"},
      {"last row with only a key", "ab,one\ncd", "cd", ""},
      {"CR LF rows", "ab,one\r\ncd,two\r\n", "cd", "two"},
      {"case matters", "AB,one\n", "ab", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(lookup(c.table, c.text), c.value) << c.name;
}

TEST_F(TableLookupTest, EditedReplacedOrRemovedTableTakesEffectAtTheNextLookup) {
  EXPECT_EQ(lookup("ab,one\n", "ab"), "one");
  EXPECT_EQ(lookup("ab,three\n", "ab"), "three");
  // An edit that keeps the size shows in the modification time. Two writes
  // this close may share a clock tick, so the test moves the time on as any
  // edit by hand does.
  const auto path = folder_.path("DKconvert.txt");
  const auto firstTime = std::filesystem::last_write_time(path);
  folder_.write("DKconvert.txt", "ab,six\n");
  std::filesystem::last_write_time(path, firstTime + std::chrono::seconds(1));
  fakeNow += ConversionTable::kQuestionInterval;
  EXPECT_EQ(table_.lookup("ab", fakeNow), "six");

  std::filesystem::remove(path);
  fakeNow += ConversionTable::kQuestionInterval;
  EXPECT_THROW(table_.lookup("ab", fakeNow), Failure);
  EXPECT_EQ(lookup("ab,back\n", "ab"), "back");
}

TEST_F(TableLookupTest, AsksTheFileSystemAgainOnlyAfterTheInterval) {
  EXPECT_EQ(lookup("ab,one\n", "ab"), "one");
  folder_.write("DKconvert.txt", "ab,three\n");
  fakeNow += ConversionTable::kQuestionInterval - std::chrono::microseconds(1);
  EXPECT_EQ(table_.lookup("ab", fakeNow), "one");
  std::filesystem::remove(folder_.path("DKconvert.txt"));
  EXPECT_EQ(table_.lookup("ab", fakeNow), "one");
  EXPECT_NO_THROW(table_.require(fakeNow));
  // The interval counts from the last question, not from the last lookup.
  fakeNow += std::chrono::microseconds(1);
  EXPECT_THROW(table_.require(fakeNow), Failure);
  // A table seen missing stays missing until the next question.
  folder_.write("DKconvert.txt", "ab,back\n");
  EXPECT_THROW(table_.lookup("ab", fakeNow), Failure);
  fakeNow += ConversionTable::kQuestionInterval;
  EXPECT_EQ(table_.lookup("ab", fakeNow), "back");
}

TEST_F(TableLookupTest, MissingTableOrFolderThrowsItsMessage) {
  for (const bool asFolder : {false, true}) {
    if (asFolder) std::filesystem::create_directory(folder_.path("DKconvert.txt"));
    fakeNow += ConversionTable::kQuestionInterval;
    try {
      table_.require(fakeNow);
      ADD_FAILURE() << "no failure, folder " << asFolder;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.message.id, MessageId::TableMissing);
      EXPECT_EQ(failure.message.subject, "DKconvert.txt");
      EXPECT_EQ(failure.exitCode, kMifOrTableUnavailable);
    }
  }
}

}  // namespace
}  // namespace mif2cgps
