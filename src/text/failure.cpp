#include "text/failure.h"

#include "text/sjis_texts.h"

namespace mif2cgps {

Failure cannotOpen(std::string_view path, ExitCode exitCode) {
  std::string message(sjis::kCannotOpen);
  message += path;
  message += ')';
  return Failure{std::move(message), exitCode};
}

}  // namespace mif2cgps
