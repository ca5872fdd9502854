// Layer profiles: the two-letter layer code in the typed base name decides
// how every record of the run is written.
#pragma once

#include <string_view>

#include "geometry/geometry_kind.h"

namespace mif2cgps {

enum class LabelSource { None, KK, DK, TK, CM };

struct LayerProfile {
  std::string_view sectionOpener;  // "[RGN40]" or "[RGN20]"
  std::string_view sectionCloser;  // "[END-RGN40]" or "[END-RGN20]"
  std::string_view fixedTypeLine;  // "Type=0x.."; empty when the row has none
  bool roadTyping = false;         // each record's type line comes from the label (labels/road_type.h)
  LabelSource labelSource = LabelSource::None;
  GeometryKind geometryKind = GeometryKind::Polyline;
  bool requiresKKTable = false;    // "KKconvert.txt" must be present for every record
  bool requiresTKTable = false;    // "TKconvert.txt" must be present for every record

  // True when a record looks a label up in a table or checks a table.
  bool usesTables() const {
    return labelSource == LabelSource::KK || labelSource == LabelSource::DK || labelSource == LabelSource::TK ||
           requiresKKTable || requiresTKTable;
  }
};

// Fills the profile from the layer codes GK, DK, KK, SK, TK and CM found
// anywhere in the base name (byte-wise, case-sensitive). Each field is
// decided by its own test, so a name holding several codes may take its
// fields from different codes. A name without a code gives the fallback
// profile: "[RGN40]", "Type=0x06", no label, polylines.
LayerProfile selectLayerProfile(std::string_view baseName);

}  // namespace mif2cgps
