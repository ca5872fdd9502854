// A record's blocks, assembled whole before any of them is written. A block
// is: opener, type line, label line, the coordinate line, closer, empty
// line. A record has one block per drawn part of its object, and all of
// them carry the record's type and label. Records that are kept gather
// after one another, so that they reach the file in large writes without
// being copied again.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mif2cgps {

class RecordBlocks {
 public:
  // The run's section opener and closer ("[RGN40]", "[END-RGN40]"); the
  // closer's lines are formed once here.
  RecordBlocks(std::string_view opener, std::string_view closer);

  // Starts a new record with no blocks after the records kept, dropping a
  // record that was not kept. Each LF in `labelLine` is written as CR LF,
  // and when it holds none, a CR LF ends it. Both views must stay valid
  // until the record's first block has begun.
  void startRecord(std::string_view typeLine, std::string_view labelLine);

  // A block's coordinate line: "Data0=(" y1 "," x1 "),(" y2 "," x2 ... ")".
  // The coordinates are copied as text, the second one first.
  void beginBlock();
  void appendPair(std::string_view x, std::string_view y);
  void endBlock();

  std::size_t blockCount() const { return blockCount_; }
  // Every block of the current record, CR LF line breaks included.
  std::string_view text() const { return {text_.get() + keptSize_, size_ - keptSize_}; }

  // Keeps the current record after the records kept before it.
  void keepRecord() { keptSize_ = size_; }
  // The records kept, in order, until clearKept.
  std::string_view keptRecords() const { return {text_.get(), keptSize_}; }
  // Forgets the records kept; call it between records.
  void clearKept() { size_ = keptSize_ = 0; }

 private:
  // Room for `bytes` more bytes at the end of the text; where they go.
  char* extend(std::size_t bytes) {
    if (size_ + bytes > capacity_) grow(size_ + bytes);
    char* room = text_.get() + size_;
    size_ += bytes;
    return room;
  }
  void grow(std::size_t size);
  void appendHead();
  void append(std::string_view bytes);

  std::string opener_;  // the opener and its line break
  std::string_view typeLine_;
  std::string_view labelLine_;
  std::string tail_;  // closer and the empty line
  // The text grows without filling new room first: appending a pair is the
  // hottest write of a run.
  std::unique_ptr<char[]> text_;
  std::size_t size_ = 0;
  std::size_t keptSize_ = 0;
  std::size_t headSize_ = 0;  // the record's lines before its first coordinate line
  std::size_t capacity_ = 0;
  std::size_t blockCount_ = 0;
  bool atFirstPair_ = true;
};

}  // namespace mif2cgps
