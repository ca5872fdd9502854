#include "labels/conversion_table.h"

#if defined(_WIN32)
#include <chrono>
#include <filesystem>
#include <system_error>
#else
#include <sys/stat.h>
#endif

#include "text/byte_text.h"
#include "text/failure.h"
#include "text/line_reader.h"

namespace mif2cgps {

TableRow parseTableRow(std::string_view line) {
  TableRow row;
  Tokenizer keys(line, ", \t");
  if (!keys.next(row.key)) return row;
  Tokenizer values(keys.rest(), ", \t\n");
  values.next(row.value);
  return row;
}

#if defined(_WIN32)
// Windows has no file identity in the standard library; size and write time
// (100 ns steps) tell an edit.
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
#else
// One stat call: a lookup per record must not cost more questions than that.
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
#endif

ConversionTable::ConversionTable(std::string fileName, std::string_view missingMessage)
    : fileName_(std::move(fileName)), missing_{std::string(missingMessage), kMifOrTableUnavailable} {}

void ConversionTable::failMissing() const {
  throw missing_;
}

void ConversionTable::refresh() {
  const auto state = tableFileState(fileName_);
  if (!state) {
    loadedState_.reset();
    failMissing();
  }
  if (loadedState_ == state) return;

  loadedState_.reset();
  LineReader reader(fileName_, missing_);
  std::vector<std::string> keys;
  rowText_.clear();
  values_.clear();
  std::string_view line;
  while (reader.ReadLine(line)) {
    const TableRow row = parseTableRow(line);
    if (row.value.empty()) continue;
    keys.emplace_back(row.key);
    values_.emplace_back(static_cast<std::uint32_t>(rowText_.size()), static_cast<std::uint32_t>(row.value.size()));
    rowText_ += row.value;
  }
  matcher_ = KeyMatcher(std::vector<std::string_view>(keys.begin(), keys.end()));
  loadedState_ = state;
}

std::string_view lookupConversion(ConversionTable& table, std::string_view text) {
  table.refresh();
  const std::uint32_t row = table.matcher_.earliestMatch(text);
  if (row == KeyMatcher::kNoKey) return {};
  const auto [offset, size] = table.values_[row];
  return std::string_view(table.rowText_).substr(offset, size);
}

void requireConversionTable(ConversionTable& table) { table.refresh(); }

}  // namespace mif2cgps
