#include "output/record_blocks.h"

#include <gtest/gtest.h>

namespace mif2cgps {
namespace {

TEST(RecordBlocksTest, EveryBlockCarriesTheRecordLinesWithCrLf) {
  RecordBlocks blocks("[RGN40]", "[END-RGN40]");
  blocks.startRecord("Type=0x06", "Label=a\rb\n");
  blocks.beginBlock();
  blocks.appendPair("139.1", "35.6");
  blocks.appendPair("139.2", "35.7");
  blocks.endBlock();
  blocks.beginBlock();
  blocks.appendPair("1", "2");
  blocks.endBlock();
  EXPECT_EQ(blocks.blockCount(), 2u);
  EXPECT_EQ(blocks.text(),
            "[RGN40]\r\nType=0x06\r\nLabel=a\rb\r\nData0=(35.6,139.1),(35.7,139.2)\r\n[END-RGN40]\r\n\r\n"
            "[RGN40]\r\nType=0x06\r\nLabel=a\rb\r\nData0=(2,1)\r\n[END-RGN40]\r\n\r\n");

  blocks.startRecord("Type=0x01", "Label=\n");
  EXPECT_EQ(blocks.blockCount(), 0u);
  EXPECT_EQ(blocks.text(), "");
}

}  // namespace
}  // namespace mif2cgps
