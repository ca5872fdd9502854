#include <sys/stat.h>

#include "labels/table_file_state.h"

namespace mif2cgps {

// One stat call gives identity, size and both times.
std::optional<TableFileState> tableFileState(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  constexpr std::int64_t kBillion = 1'000'000'000;
  TableFileState state;
  state.device = static_cast<std::uint64_t>(info.st_dev);
  state.file = static_cast<std::uint64_t>(info.st_ino);
  state.size = static_cast<std::uint64_t>(info.st_size);
  state.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_sec) * kBillion + info.st_mtim.tv_nsec;
  state.changedNanoseconds = static_cast<std::int64_t>(info.st_ctim.tv_sec) * kBillion + info.st_ctim.tv_nsec;
  return state;
}

}  // namespace mif2cgps
