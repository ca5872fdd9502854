// The conversion run: the console dialogue or the command line, the file
// set, the record loop and the completion report. One MID line is one
// record, paired by position with the next object of the MIF file.
#pragma once

#include <string>
#include <vector>

#include "text/console.h"

namespace mif2cgps {

// The program's whole run. Without arguments: asks for a base name on
// `console`, converts the layer and reports the number of records; a
// failure prints its message, pauses for a key and gives its exit code.
// With arguments (the words after the program's name): converts each
// layer named, without a pause, and stops at the first failure. The
// output then keeps the header and every complete record. Returns the exit
// status.
int runProgram(const std::vector<std::string>& arguments, const Console& console);

}  // namespace mif2cgps
