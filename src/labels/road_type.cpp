#include "labels/road_type.h"

#include <array>
#include <cstdint>


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

// The bytes a keyword can begin with.
constexpr auto kKeywordStarts = [] {
  std::array<bool, 256> starts{};
  for (const auto& row : kRoadRows) {
    for (const auto keyword : row.keywords) {
      if (!keyword.empty()) starts[static_cast<unsigned char>(keyword[0])] = true;
    }
  }
  return starts;
}();

}  // namespace

std::string_view roadTypeFor(std::string_view labelLine) {
  // One pass over the line notes which keywords occur; the rows are then
  // tried in their order. Most bytes begin no keyword and are passed over.
  std::uint32_t found = 0;
  for (std::size_t i = 0; i < labelLine.size(); ++i) {
    if (!kKeywordStarts[static_cast<unsigned char>(labelLine[i])]) continue;
    const std::string_view rest = labelLine.substr(i);
    for (std::uint32_t row = 0; row < kRoadRows.size(); ++row) {
      for (const auto keyword : kRoadRows[row].keywords) {
        if (!keyword.empty() && rest.starts_with(keyword)) found |= 1u << row;
      }
    }
  }
  for (std::uint32_t row = 0; row < kRoadRows.size(); ++row) {
    if (found & (1u << row)) return kRoadRows[row].typeLine;
  }
  return kOtherRoadTypeLine;
}

}  // namespace mif2cgps
