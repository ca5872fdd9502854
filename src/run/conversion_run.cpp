#include "run/conversion_run.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "geometry/mif_reader.h"
#include "geometry/object_blocks.h"
#include "labels/attribute_label.h"
#include "labels/conversion_table.h"
#include "labels/road_type.h"
#include "output/map_text.h"
#include "output/record_blocks.h"
#include "profile/layer_profile.h"
#include "run/command_line.h"
#include "text/byte_text.h"
#include "text/failure.h"
#include "text/line_reader.h"

namespace mif2cgps {

namespace {

// The base name and the three paths formed from it, verbatim.
struct FileSet {
  std::string baseName;
  std::string mifPath;     // base name + ".mif"
  std::string midPath;     // base name + ".mid"
  std::string outputPath;  // base name + ".cGPS.txt"
};

FileSet makeFileSet(std::string baseName) {
  FileSet files{std::move(baseName), {}, {}, {}};
  files.mifPath = files.baseName + ".mif";
  files.midPath = files.baseName + ".mid";
  files.outputPath = files.baseName + ".cGPS.txt";
  return files;
}

// The name the header gives a map file: its file name without the folder
// and without its last extension ("maps/tokyo.txt" gives "tokyo").
std::string mapNameOf(std::string_view path) {
  // A folder ends at its last separator; on Windows a backslash may also be
  // the second byte of a Shift_JIS character, which separates nothing.
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
#if defined(_WIN32)
    if (isShiftJisLeadByte(path[i])) {
      ++i;
      continue;
    }
    if (path[i] == '\\' || path[i] == ':') nameStart = i + 1;
#endif
    if (path[i] == '/') nameStart = i + 1;
  }
  std::string_view name = path.substr(nameStart);
  const auto dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name);
}

struct LayerCounts {
  std::int64_t records = 0;  // records written whole
  std::int64_t skipped = 0;  // objects the layer draws nothing of
};

// Where the records go: each layer's own map file, or one file for every
// layer of the run. The file is created once a layer's inputs have opened.
class MapOutput {
 public:
  explicit MapOutput(std::optional<std::string> mergedPath) : mergedPath_(std::move(mergedPath)) {}

  MapTextWriter& openFor(const FileSet& files) {
    if (!writer_) {
      writer_.emplace(mergedPath_ ? *mergedPath_ : files.outputPath);
      writeHeader(*writer_, mergedPath_ ? mapNameOf(*mergedPath_) : files.baseName);
    }
    return *writer_;
  }

  // Ends a layer: its own file is closed, a shared one stays open.
  void finishLayer() {
    if (!mergedPath_) finish();
  }

  // Closes the file, which keeps the header and every complete record.
  // Throws the write failure (exit code 3) when the close fails: the
  // records were lost then too.
  void finish() {
    if (!writer_) return;
    writer_->close();
    writer_.reset();
  }

 private:
  std::optional<std::string> mergedPath_;
  std::optional<MapTextWriter> writer_;
};

void requireTables(const LayerProfile& profile, ConversionTables& tables, TimePoint now) {
  if (profile.requiresKKTable) tables.kk.require(now);
  if (profile.requiresTKTable) tables.tk.require(now);
}

// Kept records are written once they fill this much: large writes, each
// byte copied once from the record blocks to the file.
constexpr std::size_t kWriteSize = 256 * 1024;

// Converts every MID line into a record, counting as it goes.
void convertRecords(const LayerProfile& profile, LineReader& mid, MifReader& mif, MapTextWriter& out,
                    LayerCounts& counts) {
  ConversionTables tables;
  // The clock is read once a record, and only by layers that use tables.
  const bool usesTables = profile.usesTables();
  std::string labelLine;
  RecordBlocks blocks(profile.sectionOpener, profile.sectionCloser);
  // Forgotten before they are written, so that no record is written twice
  // whatever the write throws; the bytes stay where they are until the next
  // record starts.
  auto writeKept = [&] {
    const std::string_view kept = blocks.keptRecords();
    blocks.clearKept();
    out.write(kept);
  };
  std::string_view midLine;
  try {
    while (mid.readLine(midLine)) {
      const TimePoint now = usesTables ? std::chrono::steady_clock::now() : TimePoint{};
      labelLine.assign("Label=");
      appendLabelText(midLine, profile.labelSource, tables, now, labelLine);
      requireTables(profile, tables, now);
      const std::string_view typeLine = profile.roadTyping ? roadTypeFor(labelLine) : profile.fixedTypeLine;

      // The record is assembled whole, so a failure while reading its
      // object leaves no part of it in the output.
      blocks.startRecord(typeLine, labelLine);
      ObjectLine object{ObjectKind::None, Words({})};
      if (!mif.nextObject(object)) mif.failEnded();
      appendObjectBlocks(object, mif, profile.geometryKind, blocks);
      if (blocks.blockCount() == 0) {
        ++counts.skipped;
      } else {
        blocks.keepRecord();
        ++counts.records;
      }
      // A producer still writing the inputs sees each record as it converts.
      const bool midWaited = mid.takeShortRead();
      if (mif.takeShortRead() || midWaited) {
        writeKept();
        out.flush();
      } else if (blocks.keptRecords().size() >= kWriteSize) {
        writeKept();
      }
    }
  } catch (const Failure&) {
    writeKept();
    throw;
  }
  writeKept();
}

void convertLayer(const FileSet& files, MapOutput& output, LayerCounts& counts) {
  const LayerProfile profile = selectLayerProfile(files.baseName);
  MifReader mif(files.mifPath);
  LineReader mid(files.midPath, Failure{{MessageId::CannotOpen, files.midPath}, kMidUnavailable});
  convertRecords(profile, mid, mif, output.openFor(files), counts);
  output.finishLayer();
}

void reportTotal(const Console& console, const LayerCounts& counts) {
  console.printLine("Total lines : " + std::to_string(counts.records));
  if (counts.skipped > 0) console.printMessage({MessageId::SkippedObjects, {}, counts.skipped});
}

void reportFailure(const Console& console, const Failure& failure, const LayerCounts& counts) {
  console.printMessage(failure.message);
  if (failure.reportsTotal) reportTotal(console, counts);
}

// Converts one layer into `output`; on a failure, closes the output (a
// failed close replaces the failure) and reports it. Returns the exit code.
int convertAndReport(const std::string& baseName, MapOutput& output, const Console& console) {
  LayerCounts counts;
  try {
    try {
      convertLayer(makeFileSet(baseName), output, counts);
    } catch (const Failure&) {
      output.finish();
      throw;
    }
  } catch (const Failure& failure) {
    reportFailure(console, failure, counts);
    return failure.exitCode;
  }
  reportTotal(console, counts);
  return kCompleted;
}

int runDialogue(const Console& console) {
  console.printMessage({MessageId::Banner});
  console.print(formMessage({MessageId::Prompt}, console.encoding));
  console.flush();
  const auto baseName = console.readWord();
  if (!baseName) {
    // The prompt has no line break of its own, and none was typed.
    console.print("\n");
    console.printMessage({MessageId::NoBaseName});
    return stopWithPause(kNoBaseName, console);
  }
  MapOutput output(std::nullopt);
  const int exitCode = convertAndReport(*baseName, output, console);
  return exitCode == kCompleted ? exitCode : stopWithPause(exitCode, console);
}

bool isSameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// The merged output must not overwrite what the run reads.
bool outputIsAnInput(const std::string& outputPath, const std::vector<std::string>& baseNames) {
  for (const std::string_view table : {"KKconvert.txt", "DKconvert.txt", "TKconvert.txt"}) {
    if (isSameFile(outputPath, std::string(table))) return true;
  }
  for (const auto& baseName : baseNames) {
    const FileSet files = makeFileSet(baseName);
    if (isSameFile(outputPath, files.mifPath) || isSameFile(outputPath, files.midPath)) return true;
  }
  return false;
}

int usageFailure(const Console& console, const Message& message) {
  console.printMessage(message);
  console.printMessage({MessageId::UsageLine});
  return kUsageError;
}

int convertLayers(const CommandLine& line, const Console& console) {
  if (line.outputPath && outputIsAnInput(*line.outputPath, line.baseNames)) {
    return usageFailure(console, {MessageId::OutputIsAnInput, *line.outputPath});
  }
  MapOutput output(line.outputPath);
  for (const auto& baseName : line.baseNames) {
    console.printLine(baseName);
    const int exitCode = convertAndReport(baseName, output, console);
    if (exitCode != kCompleted) return exitCode;
  }
  try {
    output.finish();
  } catch (const Failure& failure) {
    console.printMessage(failure.message);
    return failure.exitCode;
  }
  return kCompleted;
}

}  // namespace

int runProgram(const std::vector<std::string>& arguments, const Console& console) {
  const CommandLine line = parseCommandLine(arguments);
  switch (line.action) {
    case CommandLine::Action::Dialogue: return runDialogue(console);
    case CommandLine::Action::Help: console.print(formMessage({MessageId::Help}, console.encoding)); return kCompleted;
    case CommandLine::Action::Version: console.printLine("mif2cgps " MIF2CGPS_VERSION); return kCompleted;
    case CommandLine::Action::UsageError: return usageFailure(console, *line.usageError);
    case CommandLine::Action::Convert: return convertLayers(line, console);
  }
  return kUsageError;
}

}  // namespace mif2cgps
