// What a layer draws: polylines (every drawn part of an object becomes a
// polyline block) or points (every point becomes a block of its own).
#pragma once

namespace mif2cgps {

enum class GeometryKind { Polyline, Point };

}  // namespace mif2cgps
