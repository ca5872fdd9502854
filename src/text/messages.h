// Forms the program's console messages into bytes, in the console's
// encoding. This is the one place where a message's words and its
// arguments (paths, line numbers, counts) are put together.
#pragma once

#include <string>
#include <string_view>

#include "text/failure.h"

namespace mif2cgps {

enum class ConsoleEncoding { ShiftJis, Utf8 };

// The encoding for a POSIX locale's character set (nl_langinfo(CODESET)):
// UTF-8 for "UTF-8" or "utf8" in any case, Shift_JIS for anything else, the
// C locale's "ANSI_X3.4-1968" included.
ConsoleEncoding encodingForCodeset(std::string_view codeset);

// The encoding for a Windows console output code page: UTF-8 for 65001,
// Shift_JIS for any other.
ConsoleEncoding encodingForCodePage(unsigned codePage);

// The console's encoding, asked of the platform once. On POSIX systems the
// locale is read from the environment for this question only; the C locale
// stays in force afterwards.
ConsoleEncoding detectConsoleEncoding();

// The message's bytes, without a final line break (the help text, which
// is several lines, brings its own). Paths and options are inserted as they
// stand, whatever the encoding.
std::string formMessage(const Message& message, ConsoleEncoding encoding);

}  // namespace mif2cgps
