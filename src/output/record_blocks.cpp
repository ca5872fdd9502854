#include "output/record_blocks.h"

#include <algorithm>

#include "output/map_text.h"

namespace mif2cgps {

RecordBlocks::RecordBlocks(std::string_view opener, std::string_view closer) : opener_(opener) {
  appendLine(tail_, closer);
  tail_ += kLineBreak;
}

void RecordBlocks::startRecord(std::string_view typeLine, std::string_view labelLine) {
  head_.clear();
  appendLine(head_, opener_);
  appendLine(head_, typeLine);
  appendWithLineBreaks(head_, labelLine);
  text_.clear();
  blockCount_ = 0;
}

void RecordBlocks::beginBlock() {
  text_ += head_;
  text_ += "Data0=(";
  atFirstPair_ = true;
}

void RecordBlocks::appendPair(std::string_view x, std::string_view y) {
  // One growth and plain copies: this runs for every point of the layer.
  constexpr std::string_view kPairSeparator = "),(";
  const std::size_t start = text_.size();
  const std::size_t separator = atFirstPair_ ? 0 : kPairSeparator.size();
  text_.resize(start + separator + y.size() + 1 + x.size());
  char* out = text_.data() + start;
  out = std::copy_n(kPairSeparator.data(), separator, out);
  out = std::copy(y.begin(), y.end(), out);
  *out++ = ',';
  std::copy(x.begin(), x.end(), out);
  atFirstPair_ = false;
}

void RecordBlocks::endBlock() {
  text_ += ')';
  text_ += kLineBreak;
  text_ += tail_;
  ++blockCount_;
}

}  // namespace mif2cgps
