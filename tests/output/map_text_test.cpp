#include "output/map_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"
#include "text/failure.h"

namespace mif2cgps {
namespace {

TEST(MapTextTest, HeaderIsTheTwentyFiveLinesWithCrLf) {
  testing::ScratchFolder folder;
  {
    MapTextWriter out(folder.path("out.txt"));
    writeHeader(out, "dir/sampleDK");
    out.close();
  }
  const std::string expected =
      ";***\x88\xC8\x89\xBA\x83w\x83" "b\x83_\x95\x94\x95\xAA,\x83" "f\x81[\x83^\x83t\x83@\x83"
      "C\x83\x8B\x82\xC9\x82P\x82\xC2\x82\xC5\x89\xC2***\r\n"
      "[IMG ID]\r\nID=dir/sampleDK\r\nName=dir/sampleDK_cGPS\r\nRgnLimit=1024\r\nTreMargin=1\r\n"
      "Datum=W84\r\nPOIIndex=N\r\nPOINumberFirst=N\r\nPreProcess=F\r\nTreSize=6000\r\nLevels=5\r\n"
      "Level0=23\r\nLevel1=21\r\nLevel2=19\r\nLevel3=18\r\nLevel4=17\r\nZoom0=0\r\nZoom1=1\r\n"
      "Zoom2=3\r\nZoom3=5\r\nZoom4=6\r\n[END-IMG ID]\r\n"
      ";***\x88\xC8\x8F\xE3\x83w\x83" "b\x83_\x95\x94\x95\xAA***\r\n\r\n";
  EXPECT_EQ(folder.read("out.txt"), expected);
}

TEST(MapTextTest, FlushMakesWhatWasWrittenVisibleAtOnce) {
  testing::ScratchFolder folder;
  MapTextWriter out(folder.path("out.txt"));
  out.write("record");
  EXPECT_EQ(folder.read("out.txt"), "");
  out.flush();
  EXPECT_EQ(folder.read("out.txt"), "record");
  out.close();
}

TEST(MapTextTest, WriterKeepsEverythingAcrossItsBuffer) {
  testing::ScratchFolder folder;
  const std::string big(700'000, 'b');
  {
    MapTextWriter out(folder.path("out.txt"));
    out.write("a");
    out.write(big);
    out.write("c");
    out.close();
  }
  EXPECT_EQ(folder.read("out.txt"), "a" + big + "c");
}

TEST(MapTextTest, FullDiskFailsOnceThenCloseDoesNothing) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  MapTextWriter out("/dev/full");
  EXPECT_THROW(out.write(std::string(700'000, 'b')), Failure);
  EXPECT_NO_THROW(out.close());
}

TEST(MapTextTest, OutputThatCannotBeCreatedNamesItsPath) {
  testing::ScratchFolder folder;
  try {
    MapTextWriter out(folder.path("no-such-folder/out.txt"));
    FAIL() << "created";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.exitCode, kOutputUnavailable);
    EXPECT_EQ(failure.message.id, MessageId::CannotOpen);
    EXPECT_EQ(failure.message.subject, folder.path("no-such-folder/out.txt"));
  }
}

}  // namespace
}  // namespace mif2cgps
