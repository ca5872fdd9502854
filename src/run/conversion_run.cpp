#include "run/conversion_run.h"

#include <cstdint>
#include <string_view>

#include "geometry/mif_reader.h"
#include "labels/attribute_label.h"
#include "output/map_text.h"
#include "run/layer_profile.h"
#include "text/failure.h"
#include "text/line_reader.h"
#include "text/sjis_texts.h"

namespace mif2cgps {

namespace {

void printTotal(const Console& console, std::int64_t records) {
  console.printLine("Total lines : " + std::to_string(records));
}

// Converts every MID line into a record, counting complete records in
// `records` as they are written.
void convertRecords(const LayerProfile& profile, LineReader& mid, MifReader& mif, MapTextWriter& out,
                    std::int64_t& records) {
  ConversionTables tables;
  std::string labelLine;
  RecordFrame frame(profile.sectionOpener, profile.sectionCloser);
  std::string record;
  std::string_view midLine;
  std::string_view objectLine;
  while (mid.ReadLine(midLine)) {
    labelLine.assign("Label=");
    labelText(midLine, profile, tables, labelLine);
    if (labelLine.find('\n') == std::string::npos) labelLine += '\n';
    const std::string_view typeLine = profile.roadTyping ? roadTypeFor(labelLine) : profile.fixedTypeLine;
    frame.setRecord(typeLine, labelLine);

    // The record is assembled whole, so a failure while reading its object
    // leaves no part of it in the output.
    if (!mif.findNextObject(objectLine)) mif.failEnded();
    record.clear();
    if (profile.geometryKind == GeometryKind::Polyline) {
      writePolyline(objectLine, mif, frame, record);
    } else {
      writePoint(objectLine, mif, frame, record);
    }
    out.write(record);
    if (profile.geometryKind == GeometryKind::Point) mif.skipLineAfterPoint();
    ++records;
  }
}

void convertLayer(const FileSet& files, std::int64_t& records) {
  const LayerProfile profile = selectLayerProfile(files.baseName);
  MifReader mif(files.mifPath);
  LineReader mid(files.midPath, cannotOpen(files.midPath, kMidUnavailable));
  MapTextWriter out(files.outputPath);
  try {
    writeHeader(out, files.baseName);
    convertRecords(profile, mid, mif, out, records);
  } catch (const Failure&) {
    // Keep the header and the complete records; a failed close replaces
    // the failure, since it means those were lost too.
    out.close();
    throw;
  }
  out.close();
}

}  // namespace

FileSet makeFileSet(std::string baseName) {
  FileSet files{std::move(baseName), {}, {}, {}};
  files.mifPath = files.baseName + ".mif";
  files.midPath = files.baseName + ".mid";
  files.outputPath = files.baseName + ".cGPS.txt";
  return files;
}

int runConversion(const Console& console) {
  std::int64_t records = 0;
  try {
    console.printLine(sjis::kBanner);
    console.print(sjis::kPrompt);
    console.flush();
    const auto baseName = console.readWord();
    // The prompt has no line break of its own, and none was typed.
    if (!baseName) throw Failure{"\n" + std::string(sjis::kNoBaseName), kNoBaseName};
    convertLayer(makeFileSet(*baseName), records);
  } catch (const Failure& failure) {
    console.printLine(failure.message);
    if (failure.reportsTotal) printTotal(console, records);
    return stopWithPause(failure.exitCode, console);
  }
  printTotal(console, records);
  return kCompleted;
}

}  // namespace mif2cgps
