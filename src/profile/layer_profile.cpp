#include "profile/layer_profile.h"

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

}  // namespace mif2cgps
