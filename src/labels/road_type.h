// Road typing: in a road layer, each record's type line comes from its
// label line.
#pragma once

#include <string_view>

namespace mif2cgps {

// The road type line for a complete label line ("Label=" included), from the
// first keyword it contains (byte-wise, case-sensitive): HWY, TWY, R-, r- or
// FWY, IC or JCT; "Type=0x06" when it holds none.
std::string_view roadTypeFor(std::string_view labelLine);

}  // namespace mif2cgps
