#include "geometry/object_blocks.h"

#include <gtest/gtest.h>

#include <string>

#include "geometry/mif_reader.h"
#include "test_files.h"
#include "text/failure.h"

namespace mif2cgps {
namespace {

// The coordinate lines of a record, without the lines its blocks share.
std::string coordinateLinesOf(std::string_view record) {
  std::string lines(record);
  for (const std::string_view shared : {"[\r\nT\r\nL\r\n", "]\r\n\r\n"}) {
    for (auto at = lines.find(shared); at != std::string::npos; at = lines.find(shared)) lines.erase(at, shared.size());
  }
  return lines;
}

// Reads every object of `mif` as the run does and describes the result: the
// coordinate lines of each object ("-" for one the layer draws nothing of),
// "|" after each object, and at a failure "ended@N" or "unsound@N" with the
// line number the message names.
std::string readAll(std::string_view mif, GeometryKind kind) {
  testing::ScratchFolder folder;
  MifReader reader(folder.write("layer.mif", mif));
  RecordBlocks blocks("[", "]");
  std::string result;
  try {
    ObjectLine object{ObjectKind::None, Words({})};
    while (reader.nextObject(object)) {
      blocks.startRecord("T", "L\n");
      appendObjectBlocks(object, reader, kind, blocks);
      result += (blocks.blockCount() == 0 ? std::string("-") : coordinateLinesOf(blocks.text())) + "|";
    }
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.exitCode, kMifIncomplete);
    EXPECT_TRUE(failure.reportsTotal);
    EXPECT_EQ(failure.message.subject, folder.path("layer.mif"));
    result += (failure.message.id == MessageId::MifEnded ? "ended@" : "unsound@") +
              std::to_string(failure.message.number);
  }
  return result;
}

struct Case {
  std::string_view name;
  std::string_view mif;
  std::string_view expected;
};

TEST(ObjectBlocksTest, PolylineLayerDrawsLinesAndRings) {
  const Case cases[] = {
      {"one pline", "Pline 3\n139.1 35.6\n139.2 35.7\n139.3 35.8\n",
       "Data0=(35.6,139.1),(35.7,139.2),(35.8,139.3)\r\n|"},
      {"spaces and tabs around coordinates", "Pline 3\n   139.1    35.6\n139.2\t35.7   \n \t1 \t 2\t\n",
       "Data0=(35.6,139.1),(35.7,139.2),(2,1)\r\n|"},
      {"coordinates stay text", "Pline 2\n139.70000 3.5e1\n-0 +1\n", "Data0=(3.5e1,139.70000),(+1,-0)\r\n|"},
      {"keywords in any case", "pline 1\n1 2\nPLINE 1\n3 4\nLINE 1 2 3 4\nline 5 6 7 8\n",
       "Data0=(2,1)\r\n|Data0=(4,3)\r\n|Data0=(2,1),(4,3)\r\n|Data0=(6,5),(8,7)\r\n|"},
      {"style lines and empty lines passed over",
       "Pline 1\n7 8\n    Pen (1,2,0)\n    Smooth\n\nPline 1\n9 10\n", "Data0=(8,7)\r\n|Data0=(10,9)\r\n|"},
      {"keyword elsewhere in a line means nothing", "xxPlinexx 1\n1 2\nPointNo 3\nLabel Line 1 2 3 4\nPline 1\n5 6\n",
       "Data0=(6,5)\r\n|"},
      {"count on the next line", "Pline\n2\n1 2\n3 4\nPline \n  1 garbage\n5 6\n",
       "Data0=(2,1),(4,3)\r\n|Data0=(6,5)\r\n|"},
      {"count read from its leading digits", "Pline 2abc\n1 2\n3 4\n", "Data0=(2,1),(4,3)\r\n|"},
      {"pline multiple, counts on own lines", "Pline Multiple 2\n2\n1 2\n3 4\n1\n5 6\n",
       "Data0=(2,1),(4,3)\r\nData0=(6,5)\r\n|"},
      {"pline multiple, first count on the object line", "PLINE MULTIPLE 2 1\n1 2\n2\n3 4\n5 6\n",
       "Data0=(2,1)\r\nData0=(4,3),(6,5)\r\n|"},
      {"pline multiple, sections on the next line", "Pline multiple\n2\n1\n1 2\n1\n3 4\n",
       "Data0=(2,1)\r\nData0=(4,3)\r\n|"},
      {"region: one block per ring, closed rings stay closed",
       "Region 2\n  4\n0 0\n1 0\n1 1\n0 0\n  3\n5 5\n6 5\n5 5\n    Pen (1,2,0)\n    Brush (2,16777215,16777215)\n"
       "    Center 0.5 0.5\n",
       "Data0=(0,0),(0,1),(1,1),(0,0)\r\nData0=(5,5),(5,6),(5,5)\r\n|"},
      {"region count on the next line", "region\n1\n2\n1 2\n3 4\n", "Data0=(2,1),(4,3)\r\n|"},
      {"objects the layer cannot draw give no block",
       "Point 1 2\n    Symbol (35,0,12)\nMultipoint 2\n1 2\n3 4\nText\n    \"Point here\"\n    1 2 3 4\n"
       "Arc 1 2 3 4\n 0 90\nRect 1 2 3 4\nRoundrect 1 2 3 4\n 1\nEllipse 1 2 3 4\nNone\nPline 1\n5 6\n",
       "-|-|-|-|-|-|-|-|Data0=(6,5)\r\n|"},
      {"collection: the blocks of its parts",
       "Collection 3\n  Region 1\n    3\n0 0\n1 1\n0 0\n    Pen (1,2,0)\n  Multipoint 1\n9 9\n  Pline 2\n1 2\n3 4\n",
       "Data0=(0,0),(1,1),(0,0)\r\nData0=(2,1),(4,3)\r\n|"},
      {"collection of parts the layer cannot draw", "Collection 1\nMultipoint 2\n1 2\n3 4\nPline 1\n5 6\n",
       "-|Data0=(6,5)\r\n|"},
      {"last coordinate line without a break", "Pline 1\n1 2", "Data0=(2,1)\r\n|"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;
}

TEST(ObjectBlocksTest, PointLayerDrawsPoints) {
  const Case cases[] = {
      {"point and its symbol line", "Point 139.7 35.6\n    Symbol (35,0,12)\nPoint 1 2\n",
       "Data0=(35.6,139.7)\r\n|Data0=(2,1)\r\n|"},
      {"next object right after a point", "point 1 2\nPOINT 3\t4\nPoint 5 6\n",
       "Data0=(2,1)\r\n|Data0=(4,3)\r\n|Data0=(6,5)\r\n|"},
      {"point at the end of the file", "Point 1 2", "Data0=(2,1)\r\n|"},
      {"extra words ignored", "Point 1 2 3\n", "Data0=(2,1)\r\n|"},
      {"multipoint: one block per point", "MultiPoint 2\n1 2\n3 4\n", "Data0=(2,1)\r\nData0=(4,3)\r\n|"},
      {"multipoint count on the next line", "multipoint\n1\n1 2\n", "Data0=(2,1)\r\n|"},
      {"lines and rings give no block", "Pline 1\n1 2\nLine 1 2 3 4\nRegion 1\n 1\n1 2\nPoint 5 6\n",
       "-|-|-|Data0=(6,5)\r\n|"},
      {"collection: its points", "Collection 3\nRegion 1\n 1\n1 2\nMultipoint 2\n3 4\n5 6\nPoint 7 8\n",
       "Data0=(4,3)\r\nData0=(6,5)\r\nData0=(8,7)\r\n|"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Point), c.expected) << c.name;
}

TEST(ObjectBlocksTest, HeaderHoldsNoObjects) {
  const Case cases[] = {
      {"columns named like keywords",
       "Version 300\nCharset \"WindowsJapanese\"\nColumns 3\n  Data Char(10)\n  Point Integer\n  Pline Char(5)\n"
       "Data\n\nPline 1\n1 2\n",
       "Data0=(2,1)\r\n|"},
      {"words in any case, white space around them", "  VERSION 450\r\n\tcolumns 1\r\n  data\r\n DATA \r\nPline 1\r\n1 2\r\n",
       "Data0=(2,1)\r\n|"},
      {"byte-order mark and empty lines before the version", "\xEF\xBB\xBF\n\nVersion 300\nColumns 1\n Pline Char(1)\nData\n"
       "PLINE 1\n1 2\n",
       "Data0=(2,1)\r\n|"},
      {"no data line: no objects", "Version 300\nColumns 1\n  Name Char(10)\nPline 1\n1 2\n", ""},
      {"without a version line every line is searched", "Delimiter \",\"\nPline 1\n1 2\n", "Data0=(2,1)\r\n|"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;
}

TEST(ObjectBlocksTest, StopsAtUnsoundOrUnfinishedObjects) {
  const Case polylineCases[] = {
      {"count 0", "Pline 0\n", "unsound@1"},
      {"count -1", "Pline 1\n1 2\nPline -1\n", "Data0=(2,1)\r\n|unsound@3"},
      {"count abc", "Pline abc\n1 2\n", "unsound@1"},
      {"count on next line missing", "Pline\n\n1 2\n", "unsound@2"},
      {"count line that is the next object", "Pline\nPline 1\n1 2\n", "unsound@2"},
      {"huge count ends with the file", "Pline 99999999999\n1 2\n3 4\n", "ended@3"},
      {"file ends inside a polyline", "Pline 3\n1 2\n3 4\n", "ended@3"},
      {"file ends before the count", "Pline", "ended@1"},
      {"single coordinate", "Pline 2\n1 2\n3\n", "unsound@3"},
      {"empty coordinate line", "Pline 1\n\n", "unsound@2"},
      {"next object read as a coordinate line", "Pline 3\n1 2\n3 4\nPline 1\n5 6\n", "unsound@4"},
      {"line object missing a coordinate", "Line 1 2 3\n", "unsound@1"},
      {"multiple with zero sections", "Pline Multiple 0\n", "unsound@1"},
      {"multiple with a bad first count", "Pline Multiple 2 x\n", "unsound@1"},
      {"multiple with a bad section count", "Pline Multiple 2\n1\n1 2\nx\n", "unsound@4"},
      {"multiple ends early", "Pline Multiple 2\n1\n1 2\n", "ended@3"},
      {"region with zero rings", "Region 0\n", "unsound@1"},
      {"ring count that is a style line", "Region 2\n1\n1 2\nPen (1,2,0)\n", "unsound@4"},
      {"region ends inside a ring", "Region 1\n 3\n1 2\n", "ended@3"},
      {"collection with zero parts, whatever is drawn", "Collection 0\n", "unsound@1"},
      {"collection part of another kind", "Collection 2\nPline 1\n1 2\nText\n \"a\"\n", "unsound@4"},
      {"collection ends before its parts", "Collection 2\nPline 1\n1 2\n", "ended@3"},
      {"text naming a keyword is read no further", "Text\n \"a\"\n", "-|"},
  };
  for (const auto& c : polylineCases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;

  const Case pointCases[] = {
      {"point without y", "Point 139.7\n", "unsound@1"},
      {"point with a space before its line break", "Point 139.7 \n", "unsound@1"},
      {"multipoint with a short line", "Multipoint 2\n1 2\n3\n", "unsound@3"},
      {"collection with a bad count under points too", "Collection x\n", "unsound@1"},
      {"unsound pline passed over under points", "Pline 0\nPoint 1 2\n", "-|Data0=(2,1)\r\n|"},
  };
  for (const auto& c : pointCases) EXPECT_EQ(readAll(c.mif, GeometryKind::Point), c.expected) << c.name;
}

}  // namespace
}  // namespace mif2cgps
