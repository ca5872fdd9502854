#include "run/layer_profile.h"

#include <array>

#include "text/byte_text.h"

namespace mif2cgps {

namespace {

struct SectionRow {
  std::string_view code;
  std::string_view opener;
  std::string_view closer;
  std::string_view fixedTypeLine;
};

// Tested in this order; the first code in the name picks its row.
constexpr std::array kSectionRows = {
    SectionRow{"GK", "[RGN40]", "[END-RGN40]", "Type=0x1c"},
    SectionRow{"DK", "[RGN40]", "[END-RGN40]", ""},
    SectionRow{"KK", "[RGN40]", "[END-RGN40]", "Type=0x1f"},
    SectionRow{"SK", "[RGN40]", "[END-RGN40]", "Type=0x15"},
    SectionRow{"TK", "[RGN40]", "[END-RGN40]", "Type=0x14"},
    SectionRow{"CM", "[RGN20]", "[END-RGN20]", "Type=0x1c"},
};
constexpr SectionRow kFallbackSection{"", "[RGN40]", "[END-RGN40]", "Type=0x06"};

struct LabelRow {
  std::string_view code;
  LabelSource source;
};
constexpr std::array kLabelRows = {
    LabelRow{"KK", LabelSource::KK},
    LabelRow{"DK", LabelSource::DK},
    LabelRow{"TK", LabelSource::TK},
    LabelRow{"CM", LabelSource::CM},
};

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

LayerProfile selectLayerProfile(std::string_view baseName) {
  LayerProfile profile;
  SectionRow section = kFallbackSection;
  for (const auto& row : kSectionRows) {
    if (contains(baseName, row.code)) {
      section = row;
      break;
    }
  }
  profile.sectionOpener = section.opener;
  profile.sectionCloser = section.closer;
  profile.fixedTypeLine = section.fixedTypeLine;
  for (const auto& row : kLabelRows) {
    if (contains(baseName, row.code)) {
      profile.labelSource = row.source;
      break;
    }
  }
  profile.roadTyping = contains(baseName, "DK");
  profile.geometryKind = contains(baseName, "CM") ? GeometryKind::Point : GeometryKind::Polyline;
  profile.requiresKKTable = contains(baseName, "KK");
  profile.requiresTKTable = contains(baseName, "TK");
  return profile;
}

std::string_view roadTypeFor(std::string_view labelLine) {
  for (const auto& row : kRoadRows) {
    for (const auto keyword : row.keywords) {
      if (!keyword.empty() && contains(labelLine, keyword)) return row.typeLine;
    }
  }
  return kOtherRoadTypeLine;
}

}  // namespace mif2cgps
