#include "profile/layer_profile.h"

#include <gtest/gtest.h>

namespace mif2cgps {
namespace {

TEST(LayerProfileTest, BaseNameSelectsEachField) {
  using G = GeometryKind;
  using L = LabelSource;
  struct Case {
    std::string_view name;
    std::string_view opener;
    std::string_view typeLine;  // empty: road typing supplies it
    bool roadTyping;
    LabelSource source;
    GeometryKind geometry;
    bool kk;
    bool tk;
  };
  const Case cases[] = {
      {"sample", "[RGN40]", "Type=0x06", false, L::None, G::Polyline, false, false},
      {"sampleGK", "[RGN40]", "Type=0x1c", false, L::None, G::Polyline, false, false},
      {"sampleDK", "[RGN40]", "", true, L::DK, G::Polyline, false, false},
      {"sampleKK", "[RGN40]", "Type=0x1f", false, L::KK, G::Polyline, true, false},
      {"sampleSK", "[RGN40]", "Type=0x15", false, L::None, G::Polyline, false, false},
      {"sampleTK", "[RGN40]", "Type=0x14", false, L::TK, G::Polyline, false, true},
      {"sampleCM", "[RGN20]", "Type=0x1c", false, L::CM, G::Point, false, false},
      {"GKDK", "[RGN40]", "Type=0x1c", true, L::DK, G::Polyline, false, false},
      {"KKDK", "[RGN40]", "", true, L::KK, G::Polyline, true, false},
      {"DKTK", "[RGN40]", "", true, L::DK, G::Polyline, false, true},
      {"DKCM", "[RGN40]", "", true, L::DK, G::Point, false, false},
      {"KKTK", "[RGN40]", "Type=0x1f", false, L::KK, G::Polyline, true, true},
      {"sampledk", "[RGN40]", "Type=0x06", false, L::None, G::Polyline, false, false},
      {"DK/layer", "[RGN40]", "", true, L::DK, G::Polyline, false, false},
  };
  for (const auto& c : cases) {
    const LayerProfile p = selectLayerProfile(c.name);
    EXPECT_EQ(p.sectionOpener, c.opener) << c.name;
    EXPECT_EQ(p.sectionCloser, c.opener == "[RGN20]" ? "[END-RGN20]" : "[END-RGN40]") << c.name;
    if (!c.roadTyping) {
      EXPECT_EQ(p.fixedTypeLine, c.typeLine) << c.name;
    }
    EXPECT_EQ(p.roadTyping, c.roadTyping) << c.name;
    EXPECT_EQ(p.labelSource, c.source) << c.name;
    EXPECT_EQ(p.geometryKind, c.geometry) << c.name;
    EXPECT_EQ(p.requiresKKTable, c.kk) << c.name;
    EXPECT_EQ(p.requiresTKTable, c.tk) << c.name;
  }
}

}  // namespace
}  // namespace mif2cgps
