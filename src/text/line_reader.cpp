#include "text/line_reader.h"

#include <cstring>
#include <utility>

namespace mif2cgps {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
constexpr char kEndOfFileByte = '\x1A';
}  // namespace

LineReader::LineReader(const std::string& path, Failure unavailable)
    : path_(path), unavailable_(std::move(unavailable)), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) throw unavailable_;
  std::setvbuf(file_.get(), nullptr, _IONBF, 0);  // reads go straight into buffer_
  buffer_ = std::make_unique<char[]>(kBufferSize);
  // Reading at once makes a folder, which some systems open, fail here.
  refill();
}

bool LineReader::refill() {
  begin_ = end_ = 0;
  if (atEnd_) return false;
  const std::size_t got = std::fread(buffer_.get(), 1, kBufferSize, file_.get());
  if (std::ferror(file_.get())) throw unavailable_;
  end_ = got;
  if (void* stop = std::memchr(buffer_.get(), kEndOfFileByte, got)) {
    end_ = static_cast<std::size_t>(static_cast<char*>(stop) - buffer_.get());
    atEnd_ = true;
  }
  if (got == 0) atEnd_ = true;
  return end_ != 0;
}

bool LineReader::ReadLine(std::string_view& line) {
  if (lastLineUnread_) {
    lastLineUnread_ = false;
    line = lastLine_;
    ++lineNumber_;
    return true;
  }
  // The line is built in a local and stored from there: copying it back out
  // of lastLine_ right after storing it stalls the processor on every line.
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
  lastLine_ = found;
  line = found;
  ++lineNumber_;
  return true;
}

void LineReader::unreadLine() {
  lastLineUnread_ = true;
  --lineNumber_;
}

}  // namespace mif2cgps
