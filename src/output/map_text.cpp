#include "output/map_text.h"

#include "text/failure.h"
#include "text/japanese_texts.h"

namespace mif2cgps {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}  // namespace

void appendLine(std::string& text, std::string_view line) {
  text += line;
  text += kLineBreak;
}

MapTextWriter::MapTextWriter(const std::string& path) : path_(path), file_(path) {
  if (!file_.isOpen()) throw Failure{{MessageId::CannotOpen, path_}, kOutputUnavailable};
  buffer_.reserve(kBufferSize);
}

MapTextWriter::~MapTextWriter() {
  if (!failed_ && file_.isOpen()) file_.writeAll(buffer_.data(), buffer_.size());
}

void MapTextWriter::write(std::string_view bytes) {
  if (failed_) return;
  if (buffer_.size() + bytes.size() > kBufferSize) flush();
  if (bytes.size() >= kBufferSize) {
    if (!file_.writeAll(bytes.data(), bytes.size())) failWrite();
    return;
  }
  buffer_ += bytes;
}

void MapTextWriter::flush() {
  if (failed_ || buffer_.empty()) return;
  if (!file_.writeAll(buffer_.data(), buffer_.size())) failWrite();
  buffer_.clear();
}

void MapTextWriter::close() {
  if (failed_ || !file_.isOpen()) return;
  flush();
  if (!file_.close()) failWrite();
}

void MapTextWriter::failWrite() {
  failed_ = true;
  buffer_.clear();
  throw Failure{{MessageId::CannotWrite, path_}, kOutputUnavailable};
}

void writeHeader(MapTextWriter& out, std::string_view name) {
  std::string header;
  appendLine(header, japanese::kHeaderOpening);
  appendLine(header, "[IMG ID]");
  header += "ID=";
  appendLine(header, name);
  header += "Name=";
  header += name;
  appendLine(header, "_cGPS");
  for (const std::string_view line :
       {"RgnLimit=1024", "TreMargin=1", "Datum=W84", "POIIndex=N", "POINumberFirst=N", "PreProcess=F",
        "TreSize=6000", "Levels=5", "Level0=23", "Level1=21", "Level2=19", "Level3=18", "Level4=17",
        "Zoom0=0", "Zoom1=1", "Zoom2=3", "Zoom3=5", "Zoom4=6", "[END-IMG ID]"}) {
    appendLine(header, line);
  }
  appendLine(header, japanese::kHeaderClosing);
  header += kLineBreak;
  out.write(header);
}

}  // namespace mif2cgps
