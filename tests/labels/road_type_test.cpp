#include "labels/road_type.h"

#include <gtest/gtest.h>

namespace mif2cgps {
namespace {

TEST(RoadTypeTest, RoadTypeComesFromTheFirstMatchingKeyword) {
  struct Case {
    std::string_view labelLine;
    std::string_view typeLine;
  };
  const Case cases[] = {
      {"Label=HWY\n", "Type=0x01"},     {"Label=R-HWY\n", "Type=0x01"}, {"Label=TWY\n", "Type=0x02"},
      {"Label=TWY-R-\n", "Type=0x02"},  {"Label=R-1\n", "Type=0x03"},   {"Label=r-IC\n", "Type=0x05"},
      {"Label=FWY\n", "Type=0x05"},     {"Label=R-FWY\n", "Type=0x03"}, {"Label=IC\n", "Type=0x0b"},
      {"Label=JCT\n", "Type=0x0b"},     {"Label=PACIFIC\n", "Type=0x0b"}, {"Label=\n", "Type=0x06"},
      {"Label=hwy\n", "Type=0x06"},     {"Label=\x83R-\n", "Type=0x03"},
  };
  for (const auto& c : cases) EXPECT_EQ(roadTypeFor(c.labelLine), c.typeLine) << c.labelLine;
}

}  // namespace
}  // namespace mif2cgps
