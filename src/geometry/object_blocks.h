// Building a record's blocks from its MIF object, by what the layer draws:
//
//   object            polyline layer             point layer
//   Pline n           one block                  -
//   Pline Multiple k  one block per section      -
//   Line x1 y1 x2 y2  one block of two points    -
//   Region k          one block per ring         -
//   Point x y         -                          one block
//   Multipoint n      -                          one block per point
//   Collection k      the blocks of its parts    the blocks of its parts
//
// Other kinds (Text, Arc, Rect, Roundrect, Ellipse, None) draw nothing. An
// object that is not drawn is not read further: its lines are passed over
// by the next search. A Collection is always read to its last part.
#pragma once

#include "geometry/geometry_kind.h"
#include "geometry/mif_reader.h"
#include "output/record_blocks.h"

namespace mif2cgps {

// Reads the object that begins at `object` as far as the layer draws it and
// appends its blocks to `blocks`; appends none when the layer draws nothing
// of it. Throws a failure (exit code 4) when a drawn object (or any
// Collection) cannot be read soundly or the file ends inside it; `blocks`
// may then hold a part of the object.
void appendObjectBlocks(ObjectLine object, MifReader& mif, GeometryKind drawn, RecordBlocks& blocks);

}  // namespace mif2cgps
