#include "text/line_reader.h"

#include <cstring>
#include <utility>

namespace mif2cgps {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
constexpr char kEndOfFileByte = '\x1A';
}  // namespace

LineReader::LineReader(const std::string& path, Failure unavailable)
    : path_(path), unavailable_(std::move(unavailable)), file_(path) {
  if (!file_.isOpen()) throw unavailable_;
  buffer_ = std::make_unique<char[]>(kBufferSize);
  // Reading at once makes a folder, which some systems open, fail here.
  refill();
}

bool LineReader::refill() {
  begin_ = end_ = 0;
  if (atEnd_) return false;
  const std::ptrdiff_t read = file_.readSome(buffer_.get(), kBufferSize);
  if (read < 0) throw unavailable_;
  const auto got = static_cast<std::size_t>(read);
  if (got < kBufferSize) shortRead_ = true;
  end_ = got;
  if (void* stop = std::memchr(buffer_.get(), kEndOfFileByte, got)) {
    end_ = static_cast<std::size_t>(static_cast<char*>(stop) - buffer_.get());
    atEnd_ = true;
  }
  if (got == 0) atEnd_ = true;
  return end_ != 0;
}

bool LineReader::readLineAcrossRefills(std::string_view& line) {
  // The last line ended with the buffer: the next one begins the next block.
  if (begin_ == end_) return refill() && readLine(line);
  // The buffer ends inside a line: it is gathered across refills.
  spill_.assign(buffer_.get() + begin_, end_ - begin_);
  begin_ = end_;
  while (refill()) {
    char* start = buffer_.get();
    auto* lineFeed = static_cast<char*>(std::memchr(start, '\n', end_));
    const std::size_t length = lineFeed ? static_cast<std::size_t>(lineFeed - start) + 1 : end_;
    spill_.append(start, length);
    begin_ = length;
    if (lineFeed) {
      // CR LF becomes LF, also when a refill falls between the two.
      if (spill_.size() >= 2 && spill_[spill_.size() - 2] == '\r') spill_.erase(spill_.size() - 2, 1);
      break;
    }
  }
  line = spill_;
  ++lineNumber_;
  return true;
}

}  // namespace mif2cgps
