#include "labels/attribute_label.h"

#include <gtest/gtest.h>

#include <string>

#include "test_files.h"
#include "text/failure.h"

namespace mif2cgps {
namespace {

// 東名高速, 東京, とうきょう, 筑波, 笠間, マ
const std::string kTomei = "\x93\x8C\x96\xBC\x8D\x82\x91\xAC";
const std::string kTokyo = "\x93\x8C\x8B\x9E";
const std::string kTokyoKana = "\x82\xC6\x82\xA4\x82\xAB\x82\xE5\x82\xA4";
const std::string kTsukuba = "\x92}\x94g";
const std::string kKasama = "\x8A}\x8A\xD4";
const std::string kMa = "\x83}";

TEST(AttributeLabelTest, AttributeTokenIsTheFirstQuotedField) {
  struct Case {
    std::string line;
    std::string token;
  };
  const Case cases[] = {
      {"\"" + kTomei + "\",1\n", kTomei},
      {"12,\"abc\"\n", "12,"},
      {"\"\",\"abc\"\n", ","},
      {"no quotes\n", "no quotes\n"},
      {"\"\"\"\n", "\n"},
      {"\"\"\"\"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(attributeToken(c.line), c.token) << "line [" << c.line << "]";
}

TEST(AttributeLabelTest, CmCutRespectsShiftJis) {
  struct Case {
    std::string attribute;
    std::string label;
  };
  const Case cases[] = {
      {kTokyo + "}" + kTokyoKana, kTokyo},
      {"}" + kTokyo, kTokyo},
      {"}}a}b", "a"},
      {kTsukuba + "}" + kKasama, kTsukuba},
      {kKasama + kMa + kMa, kKasama + kMa + kMa},
      {"plain\n", "plain\n"},
      {"}", ""},
      {"a\x83", "a\x83"},
  };
  for (const auto& c : cases) EXPECT_EQ(cutAtBrace(c.attribute), c.label) << "attribute [" << c.attribute << "]";
}

class LabelTextTest : public ::testing::Test {
 protected:
  std::string label(std::string_view baseName, std::string_view midLine) {
    std::string line = "Label=";
    appendLabelText(midLine, selectLayerProfile(baseName).labelSource, tables_, TimePoint{}, line);
    return line;
  }
  std::string failureOf(std::string_view baseName, std::string_view midLine) {
    try {
      label(baseName, midLine);
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.exitCode, kMifOrTableUnavailable);
      EXPECT_EQ(failure.message.id, MessageId::TableMissing);
      return failure.message.subject;
    }
    return "no failure";
  }

  testing::ScratchFolder folder_;
  testing::WorkingDirectory here_{folder_.path("")};
  ConversionTables tables_;
};

TEST_F(LabelTextTest, EachSourceGivesItsText) {
  folder_.write("DKconvert.txt", kTomei + ",HWY\n");
  folder_.write("KKconvert.txt", "ab,KKVALUE\n");
  folder_.write("TKconvert.txt", "ab,TKVALUE\n");
  EXPECT_EQ(label("roadDK", "\"" + kTomei + "\",1\n"), "Label=HWY");
  EXPECT_EQ(label("riverKK", "\"ab\"\n"), "Label=KKVALUE");
  EXPECT_EQ(label("railTK", "\"ab\"\n"), "Label=TKVALUE");
  EXPECT_EQ(label("placeCM", "\"" + kTokyo + "}" + kTokyoKana + "\"\n"), "Label=" + kTokyo);
  EXPECT_EQ(label("placeCM", "no quotes\n"), "Label=no quotes\n");
  EXPECT_EQ(label("coastGK", "\"ab\"\n"), "Label=");
  EXPECT_EQ(label("sample", "\"ab\"\n"), "Label=");
  EXPECT_EQ(label("roadDK", "\"A\"\n"), "Label=");
  EXPECT_EQ(label("placeCM", "\"\"\"\n"), "Label=\n");
}

TEST_F(LabelTextTest, MissingTableStopsTheLookupThatNeedsIt) {
  // A one-byte attribute is not looked up, so DK goes on without its table.
  EXPECT_EQ(label("roadDK", "\"A\"\n"), "Label=");
  EXPECT_EQ(failureOf("roadDK", "\"AB\"\n"), "DKconvert.txt");
  EXPECT_EQ(failureOf("roadDKTK", "\"AB\"\n"), "DKconvert.txt");
  EXPECT_EQ(failureOf("riverKK", "\"AB\"\n"), "KKconvert.txt");
  // Forming a label checks no table it does not look up in.
  EXPECT_EQ(label("riverKK", "\"A\"\n"), "Label=");
}

}  // namespace
}  // namespace mif2cgps
