#include <chrono>
#include <filesystem>
#include <system_error>

#include "labels/table_file_state.h"

namespace mif2cgps {

// The standard library gives no file identity on Windows; size and write
// time (100 ns steps) tell an edit.
std::optional<TableFileState> tableFileState(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  TableFileState state;
  state.size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  const auto modified = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  state.modifiedNanoseconds =
      std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return state;
}

}  // namespace mif2cgps
