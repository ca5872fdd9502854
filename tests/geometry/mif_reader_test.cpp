#include "geometry/mif_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "run/layer_profile.h"
#include "test_files.h"
#include "text/failure.h"
#include "text/sjis_texts.h"

namespace mif2cgps {
namespace {

// The coordinate lines of a record, without the lines its blocks share.
std::string coordinateLinesOf(const std::string& record) {
  std::string lines = record;
  for (const std::string_view shared : {"[\r\nT\r\nL\r\n", "]\r\n\r\n"}) {
    for (auto at = lines.find(shared); at != std::string::npos; at = lines.find(shared)) lines.erase(at, shared.size());
  }
  return lines;
}

// Reads every object of `mif` as the run does and describes the result: the
// coordinate lines of each object, "|" between objects, and at a failure
// "ended@N" or "unsound@N" with the line number the message names.
std::string readAll(std::string_view mif, GeometryKind kind) {
  testing::ScratchFolder folder;
  MifReader reader(folder.write("layer.mif", mif));
  RecordFrame frame("[", "]");
  frame.setRecord("T", "L\n");
  std::string result;
  try {
    std::string_view objectLine;
    while (reader.findNextObject(objectLine)) {
      std::string record;
      if (kind == GeometryKind::Polyline) {
        writePolyline(objectLine, reader, frame, record);
      } else {
        writePoint(objectLine, reader, frame, record);
        reader.skipLineAfterPoint();
      }
      result += coordinateLinesOf(record) + "|";
    }
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.exitCode, kMifIncomplete);
    EXPECT_TRUE(failure.reportsTotal);
    const bool ended = failure.message.rfind(sjis::kMifEnded, 0) == 0;
    const auto space = failure.message.rfind(' ');
    const auto close = failure.message.rfind(sjis::kLineNumberClose);
    result += (ended ? "ended@" : "unsound@") + failure.message.substr(space + 1, close - space - 1);
  }
  return result;
}

struct Case {
  std::string_view name;
  std::string_view mif;
  std::string_view expected;
};

TEST(MifReaderTest, ReadsPolylines) {
  const Case cases[] = {
      {"one pline", "Pline 3\n139.1 35.6\n139.2 35.7\n139.3 35.8\n",
       "Data0=(35.6,139.1),(35.7,139.2),(35.8,139.3)\r\n|"},
      {"spaces around coordinates", "Pline 2\n   139.1    35.6\n139.2 35.7   \n",
       "Data0=(35.6,139.1),(35.7,139.2)\r\n|"},
      {"coordinates stay text", "Pline 2\n139.70000 3.5e1\n-0 +1\n", "Data0=(3.5e1,139.70000),(+1,-0)\r\n|"},
      {"other objects and style lines skipped",
       "Region 1\n 3\n1 2\n3 4\n5 6\n    Pen (1,2,0)\nText \"a\"\n1 2 3 4\nPline 1\n7 8\n    Pen (1,2,0)\n",
       "Data0=(8,7)\r\n|"},
      {"keyword anywhere in the line", "  Pline 1\n7 8\nxxPlinexx 1\n9 10\n", "Data0=(8,7)\r\n|Data0=(10,9)\r\n|"},
      {"case matters for keywords", "pline 1\n1 2\nPLINE 1\n3 4\nPline 1\n5 6\n", "Data0=(6,5)\r\n|"},
      {"count on the next line", "Pline\n2\n1 2\n3 4\nPline \n  1 garbage\n5 6\n",
       "Data0=(2,1),(4,3)\r\n|Data0=(6,5)\r\n|"},
      {"count read from its leading digits", "Pline 2abc\n1 2\n3 4\n", "Data0=(2,1),(4,3)\r\n|"},
      {"multipoint is one polyline", "MultiPoint 2\n1 2\n3 4\n", "Data0=(2,1),(4,3)\r\n|"},
      {"line object", "Line 139.1 35.6 139.2 35.7\n    Pen (1,2,0)\n", "Data0=(35.6,139.1),(35.7,139.2)\r\n|"},
      {"line must be the first word", "Lines 1 2 3 4\nOutline 1 2\n", ""},
      {"pline multiple, counts on own lines", "Pline Multiple 2\n2\n1 2\n3 4\n1\n5 6\n",
       "Data0=(2,1),(4,3)\r\nData0=(6,5)\r\n|"},
      {"pline multiple, first count on the object line", "Pline MULTIPLE 2 1\n1 2\n2\n3 4\n5 6\n",
       "Data0=(2,1)\r\nData0=(4,3),(6,5)\r\n|"},
      {"pline multiple, sections on the next line", "Pline multiple\n2\n1\n1 2\n1\n3 4\n",
       "Data0=(2,1)\r\nData0=(4,3)\r\n|"},
      {"last coordinate line without a break", "Pline 1\n1 2", "Data0=(2,1)\r\n|"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;
}

TEST(MifReaderTest, HeaderHoldsNoObjects) {
  const Case cases[] = {
      {"columns named like keywords",
       "Version 300\nCharset \"WindowsJapanese\"\nColumns 3\n  Data Char(10)\n  PointNo Integer\n  Pline Char(5)\n"
       "Data\n\nPline 1\n1 2\n",
       "Data0=(2,1)\r\n|"},
      {"words in any case, white space around them", "  VERSION 450\r\n\tcolumns 1\r\n  data\r\n DATA \r\nPline 1\r\n1 2\r\n",
       "Data0=(2,1)\r\n|"},
      {"no data line: no objects", "Version 300\nColumns 1\n  Name Char(10)\nPline 1\n1 2\n", ""},
      {"without a version line every line is searched", "Delimiter \",\"\nColumns 1\n PointNo Integer\n3 4\nData\n",
       "unsound@3"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;
}

TEST(MifReaderTest, ReadsPoints) {
  const Case cases[] = {
      {"point and its symbol line", "Point 139.7 35.6\n    Symbol (35,0,12)\nPoint 1 2\n", "Data0=(35.6,139.7)\r\n|Data0=(2,1)\r\n|"},
      {"next object right after a point is kept", "Point 1 2\nPoint 3 4\nPoint 5 6\n",
       "Data0=(2,1)\r\n|Data0=(4,3)\r\n|Data0=(6,5)\r\n|"},
      {"point at the end of the file", "Point 1 2", "Data0=(2,1)\r\n|"},
      {"extra tokens ignored", "Point 1 2 3\n", "Data0=(2,1)\r\n|"},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.mif, GeometryKind::Point), c.expected) << c.name;
}

TEST(MifReaderTest, StopsAtUnsoundOrUnfinishedObjects) {
  const Case polylineCases[] = {
      {"count 0", "Pline 0\n", "unsound@1"},
      {"count -1", "Pline 1\n1 2\nPline -1\n", "Data0=(2,1)\r\n|unsound@3"},
      {"count abc", "Pline abc\n1 2\n", "unsound@1"},
      {"count on next line missing", "Pline\n\n1 2\n", "unsound@2"},
      {"huge count ends with the file", "Pline 99999999999\n1 2\n3 4\n", "ended@3"},
      {"file ends inside a polyline", "Pline 3\n1 2\n3 4\n", "ended@3"},
      {"file ends before the count", "Pline", "ended@1"},
      {"single coordinate", "Pline 2\n1 2\n3\n", "unsound@3"},
      {"tab separators", "Pline 1\n1\t2\n", "unsound@2"},
      {"only a line break after the first", "Pline 1\n1 \n", "unsound@2"},
      {"empty coordinate line", "Pline 1\n\n", "unsound@2"},
      {"point under polylines", "Point 139.7 35.6\n", "unsound@1"},
      {"line object missing a coordinate", "Line 1 2 3\n", "unsound@1"},
      {"multiple with zero sections", "Pline Multiple 0\n", "unsound@1"},
      {"multiple with a bad section count", "Pline Multiple 2\n1\n1 2\nx\n", "unsound@4"},
      {"multiple ends early", "Pline Multiple 2\n1\n1 2\n", "ended@3"},
  };
  for (const auto& c : polylineCases) EXPECT_EQ(readAll(c.mif, GeometryKind::Polyline), c.expected) << c.name;

  const Case pointCases[] = {
      {"pline under points", "Pline 1\n1 2\n", "unsound@1"},
      {"multipoint under points", "MultiPoint 1\n1 2\n", "unsound@1"},
      {"line under points", "Point 1 2\nSymbol\nLine 1 2 3 4\n", "Data0=(2,1)\r\n|unsound@3"},
      {"point without y", "Point 139.7\n", "unsound@1"},
      {"point with a space before its line break", "Point 139.7 \n", "unsound@1"},
  };
  for (const auto& c : pointCases) EXPECT_EQ(readAll(c.mif, GeometryKind::Point), c.expected) << c.name;
}

}  // namespace
}  // namespace mif2cgps
