#include "labels/road_type.h"

#include <array>

#include "text/byte_text.h"

namespace mif2cgps {

namespace {

struct RoadRow {
  std::array<std::string_view, 2> keywords;  // an empty second keyword never matches
  std::string_view typeLine;
};
constexpr std::array kRoadRows = {
    RoadRow{{"HWY", ""}, "Type=0x01"},
    RoadRow{{"TWY", ""}, "Type=0x02"},
    RoadRow{{"R-", ""}, "Type=0x03"},
    RoadRow{{"r-", "FWY"}, "Type=0x05"},
    RoadRow{{"IC", "JCT"}, "Type=0x0b"},
};
constexpr std::string_view kOtherRoadTypeLine = "Type=0x06";

}  // namespace

std::string_view roadTypeFor(std::string_view labelLine) {
  for (const auto& row : kRoadRows) {
    for (const auto keyword : row.keywords) {
      if (!keyword.empty() && contains(labelLine, keyword)) return row.typeLine;
    }
  }
  return kOtherRoadTypeLine;
}

}  // namespace mif2cgps
