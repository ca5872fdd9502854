#include "output/map_text.h"

#include <algorithm>

#include "text/failure.h"
#include "text/sjis_texts.h"

namespace mif2cgps {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}  // namespace

void appendLine(std::string& text, std::string_view line) {
  text += line;
  text += kLineBreak;
}

void appendWithLineBreaks(std::string& text, std::string_view bytes) {
  for (auto lineFeed = bytes.find('\n'); lineFeed != std::string_view::npos; lineFeed = bytes.find('\n')) {
    appendLine(text, bytes.substr(0, lineFeed));
    bytes.remove_prefix(lineFeed + 1);
  }
  text += bytes;
}

void beginCoordinateLine(std::string& text) { text += "Data0=("; }

void appendCoordinatePair(std::string& text, bool firstPair, std::string_view x, std::string_view y) {
  // One growth and plain copies: this runs for every point of the layer.
  constexpr std::string_view kPairSeparator = "),(";
  const std::size_t start = text.size();
  const std::size_t separator = firstPair ? 0 : kPairSeparator.size();
  text.resize(start + separator + y.size() + 1 + x.size());
  char* out = text.data() + start;
  out = std::copy_n(kPairSeparator.data(), separator, out);
  out = std::copy(y.begin(), y.end(), out);
  *out++ = ',';
  std::copy(x.begin(), x.end(), out);
}

void endCoordinateLine(std::string& text) {
  text += ')';
  text += kLineBreak;
}

RecordFrame::RecordFrame(std::string_view opener, std::string_view closer) : opener_(opener) {
  appendLine(tail_, closer);
  tail_ += kLineBreak;
}

void RecordFrame::setRecord(std::string_view typeLine, std::string_view labelLine) {
  head_.clear();
  appendLine(head_, opener_);
  appendLine(head_, typeLine);
  appendWithLineBreaks(head_, labelLine);
}

MapTextWriter::MapTextWriter(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "wb")) {
  if (!file_) throw cannotOpen(path_, kOutputUnavailable);
  std::setvbuf(file_, nullptr, _IONBF, 0);  // whole buffers go straight to the file
  buffer_.reserve(kBufferSize);
}

MapTextWriter::~MapTextWriter() {
  if (!file_) return;
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  std::fclose(file_);
}

void MapTextWriter::write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) flushBuffer();
  if (bytes.size() >= kBufferSize) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failWrite();
    return;
  }
  buffer_ += bytes;
}

void MapTextWriter::flushBuffer() {
  if (buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failWrite();
  buffer_.clear();
}

void MapTextWriter::close() {
  if (!file_) return;  // already closed by a failed write, which was reported
  flushBuffer();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) failWrite();
}

void MapTextWriter::failWrite() {
  buffer_.clear();
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  throw Failure{std::string(sjis::kCannotWrite) + path_ + ')', kOutputUnavailable};
}

void writeHeader(MapTextWriter& out, std::string_view baseName) {
  std::string header;
  appendLine(header, sjis::kHeaderOpening);
  appendLine(header, "[IMG ID]");
  header += "ID=";
  appendLine(header, baseName);
  header += "Name=";
  header += baseName;
  appendLine(header, "_cGPS");
  for (const std::string_view line :
       {"RgnLimit=1024", "TreMargin=1", "Datum=W84", "POIIndex=N", "POINumberFirst=N", "PreProcess=F",
        "TreSize=6000", "Levels=5", "Level0=23", "Level1=21", "Level2=19", "Level3=18", "Level4=17",
        "Zoom0=0", "Zoom1=1", "Zoom2=3", "Zoom3=5", "Zoom4=6", "[END-IMG ID]"}) {
    appendLine(header, line);
  }
  appendLine(header, sjis::kHeaderClosing);
  header += kLineBreak;
  out.write(header);
}

}  // namespace mif2cgps
