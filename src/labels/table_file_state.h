// What tells one version of a table file from another, as one question to
// the file system. One implementation per platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mif2cgps {

struct TableFileState {
  std::uint64_t device = 0;
  std::uint64_t file = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedNanoseconds = 0;
  bool operator==(const TableFileState&) const = default;
};

// The state of the file at `path` (identity, size and times, as far as the
// platform tells them); empty when it is not a regular file or cannot be
// asked about.
std::optional<TableFileState> tableFileState(const std::string& path);

}  // namespace mif2cgps
