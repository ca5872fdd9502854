#include "output/record_blocks.h"

#include <algorithm>
#include <cstring>

#include "output/map_text.h"
#include "text/byte_scan.h"

namespace mif2cgps {

namespace {

// Copies a few bytes with fixed-size moves, which the compiler inlines, in
// place of a library call per coordinate.
char* copyShort(char* out, std::string_view bytes) {
  const char* in = bytes.data();
  const std::size_t size = bytes.size();
  if (size >= 8 && size <= 16) {
    std::memcpy(out, in, 8);
    std::memcpy(out + size - 8, in + size - 8, 8);
  } else if (size >= 4 && size < 8) {
    std::memcpy(out, in, 4);
    std::memcpy(out + size - 4, in + size - 4, 4);
  } else if (size < 4) {
    for (std::size_t i = 0; i < size; ++i) out[i] = in[i];
  } else {
    std::memcpy(out, in, size);
  }
  return out + size;
}

}  // namespace

RecordBlocks::RecordBlocks(std::string_view opener, std::string_view closer) {
  appendLine(opener_, opener);
  appendLine(tail_, closer);
  tail_ += kLineBreak;
}

void RecordBlocks::startRecord(std::string_view typeLine, std::string_view labelLine) {
  typeLine_ = typeLine;
  labelLine_ = labelLine;
  size_ = keptSize_;
  blockCount_ = 0;
}

void RecordBlocks::appendHead() {
  append(opener_);
  append(typeLine_);
  append(kLineBreak);
  std::string_view label = labelLine_;
  const char* lineFeed = findByte(label.data(), label.data() + label.size(), '\n');
  if (!lineFeed) {
    append(label);
    append(kLineBreak);
    return;
  }
  // A lone CR stays as it is.
  for (; lineFeed; lineFeed = findByte(label.data(), label.data() + label.size(), '\n')) {
    const auto line = static_cast<std::size_t>(lineFeed - label.data());
    append(label.substr(0, line));
    append(kLineBreak);
    label.remove_prefix(line + 1);
  }
  append(label);
}

void RecordBlocks::grow(std::size_t size) {
  const std::size_t capacity = std::max({2 * capacity_, size, std::size_t{4096}});
  auto text = std::make_unique<char[]>(capacity);
  if (size_ > 0) std::memcpy(text.get(), text_.get(), size_);
  text_ = std::move(text);
  capacity_ = capacity;
}

void RecordBlocks::append(std::string_view bytes) { std::memcpy(extend(bytes.size()), bytes.data(), bytes.size()); }

void RecordBlocks::beginBlock() {
  if (blockCount_ == 0) {
    appendHead();
    headSize_ = size_ - keptSize_;
  } else {
    // Later blocks repeat the first block's head, formed once.
    char* head = extend(headSize_);
    std::memcpy(head, text_.get() + keptSize_, headSize_);
  }
  append("Data0=(");
  atFirstPair_ = true;
}

void RecordBlocks::appendPair(std::string_view x, std::string_view y) {
  constexpr std::string_view kPairSeparator = "),(";
  const std::size_t separator = atFirstPair_ ? 0 : kPairSeparator.size();
  char* out = extend(separator + y.size() + 1 + x.size());
  if (separator != 0) out = std::copy_n(kPairSeparator.data(), kPairSeparator.size(), out);
  out = copyShort(out, y);
  *out++ = ',';
  copyShort(out, x);
  atFirstPair_ = false;
}

void RecordBlocks::endBlock() {
  append(")");
  append(kLineBreak);
  append(tail_);
  ++blockCount_;
}

}  // namespace mif2cgps
