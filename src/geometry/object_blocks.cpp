#include "geometry/object_blocks.h"

#include "text/byte_text.h"

namespace mif2cgps {

namespace {

void appendPolyline(MifReader& mif, std::int64_t pointCount, RecordBlocks& blocks) {
  blocks.beginBlock();
  std::string_view x, y;
  for (std::int64_t i = 0; i < pointCount; ++i) {
    mif.readCoordinatePair(x, y);
    blocks.appendPair(x, y);
  }
  blocks.endBlock();
}

void appendPline(Words words, MifReader& mif, RecordBlocks& blocks) {
  Words peek = words;
  std::string_view word;
  if (!peek.next(word) || !equalsIgnoringCase(word, "Multiple")) {
    appendPolyline(mif, mif.readCount(words), blocks);
    return;
  }
  // Every count on the object line is read before the next line replaces it.
  const std::int64_t sections = mif.readCount(peek);
  const bool firstCountOnObjectLine = peek.next(word);
  const std::int64_t firstCount = firstCountOnObjectLine ? mif.countOf(word) : 0;
  for (std::int64_t section = 0; section < sections; ++section) {
    appendPolyline(mif, section == 0 && firstCountOnObjectLine ? firstCount : mif.readCountLine(), blocks);
  }
}

void appendRegion(Words words, MifReader& mif, RecordBlocks& blocks) {
  const std::int64_t rings = mif.readCount(words);
  for (std::int64_t ring = 0; ring < rings; ++ring) appendPolyline(mif, mif.readCountLine(), blocks);
}

void appendLineObject(Words words, const MifReader& mif, RecordBlocks& blocks) {
  std::string_view x1, y1, x2, y2;
  if (!words.next(x1) || !words.next(y1) || !words.next(x2) || !words.next(y2)) mif.failUnsound();
  blocks.beginBlock();
  blocks.appendPair(x1, y1);
  blocks.appendPair(x2, y2);
  blocks.endBlock();
}

void appendPoint(Words words, const MifReader& mif, RecordBlocks& blocks) {
  std::string_view x, y;
  if (!words.next(x) || !words.next(y)) mif.failUnsound();
  blocks.beginBlock();
  blocks.appendPair(x, y);
  blocks.endBlock();
}

void appendMultipoint(Words words, MifReader& mif, RecordBlocks& blocks) {
  const std::int64_t points = mif.readCount(words);
  std::string_view x, y;
  for (std::int64_t point = 0; point < points; ++point) {
    mif.readCoordinatePair(x, y);
    blocks.beginBlock();
    blocks.appendPair(x, y);
    blocks.endBlock();
  }
}

bool isCollectionPart(ObjectKind kind) {
  return kind == ObjectKind::Region || kind == ObjectKind::Pline || kind == ObjectKind::Line ||
         kind == ObjectKind::Multipoint || kind == ObjectKind::Point;
}

void appendCollection(Words words, MifReader& mif, GeometryKind drawn, RecordBlocks& blocks) {
  const std::int64_t parts = mif.readCount(words);
  for (std::int64_t part = 0; part < parts; ++part) {
    ObjectLine partLine{ObjectKind::None, Words({})};
    if (!mif.nextObject(partLine)) mif.failEnded();
    if (!isCollectionPart(partLine.kind)) mif.failUnsound();
    appendObjectBlocks(partLine, mif, drawn, blocks);
  }
}

}  // namespace

void appendObjectBlocks(ObjectLine object, MifReader& mif, GeometryKind drawn, RecordBlocks& blocks) {
  const bool polylines = drawn == GeometryKind::Polyline;
  switch (object.kind) {
    case ObjectKind::Pline:
      if (polylines) appendPline(object.afterKeyword, mif, blocks);
      break;
    case ObjectKind::Line:
      if (polylines) appendLineObject(object.afterKeyword, mif, blocks);
      break;
    case ObjectKind::Region:
      if (polylines) appendRegion(object.afterKeyword, mif, blocks);
      break;
    case ObjectKind::Point:
      if (!polylines) appendPoint(object.afterKeyword, mif, blocks);
      break;
    case ObjectKind::Multipoint:
      if (!polylines) appendMultipoint(object.afterKeyword, mif, blocks);
      break;
    case ObjectKind::Collection: appendCollection(object.afterKeyword, mif, drawn, blocks); break;
    case ObjectKind::Arc:
    case ObjectKind::Text:
    case ObjectKind::Rect:
    case ObjectKind::Roundrect:
    case ObjectKind::Ellipse:
    case ObjectKind::None: break;
  }
}

}  // namespace mif2cgps
