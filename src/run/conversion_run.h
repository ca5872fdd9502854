// The conversion run: the console dialogue, the file set, the record loop
// and the completion report. One MID line is one record, paired by position
// with the next object of the MIF file.
#pragma once

#include <string>

#include "text/console.h"

namespace mif2cgps {

// The typed base name and the three paths formed from it, verbatim.
struct FileSet {
  std::string baseName;
  std::string mifPath;     // base name + ".mif"
  std::string midPath;     // base name + ".mid"
  std::string outputPath;  // base name + ".cGPS.txt"
};

FileSet makeFileSet(std::string baseName);

// The program's whole run: asks for a base name on `console`, converts the
// layer and reports the number of records. A failure prints its message,
// pauses for a key and gives its exit code; the output then keeps the header
// and every complete record. Returns the exit status.
int runConversion(const Console& console);

}  // namespace mif2cgps
