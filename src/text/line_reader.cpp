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
  std::string_view found;
  bool spilled = false;
  spill_.clear();
  for (;;) {
    if (begin_ == end_ && !refill()) {
      if (!spilled || spill_.empty()) return false;
      found = spill_;
      break;
    }
    char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    auto* lineFeed = static_cast<char*>(std::memchr(start, '\n', available));
    if (!lineFeed) {
      spill_.append(start, available);
      spilled = true;
      begin_ = end_;
      continue;
    }
    std::size_t length = static_cast<std::size_t>(lineFeed - start) + 1;
    begin_ += length;
    if (!spilled) {
      // CR LF becomes LF, in place: the LF moves onto the CR.
      if (length >= 2 && start[length - 2] == '\r') {
        start[length - 2] = '\n';
        --length;
      }
      found = std::string_view(start, length);
      break;
    }
    spill_.append(start, length);
    if (spill_.size() >= 2 && spill_[spill_.size() - 2] == '\r') spill_.erase(spill_.size() - 2, 1);
    found = spill_;
    break;
  }
  line = found;
  ++lineNumber_;
  return true;
}

}  // namespace mif2cgps
