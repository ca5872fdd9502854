#include "labels/conversion_table.h"

#include <system_error>

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

ConversionTable::ConversionTable(std::string fileName, std::string_view missingMessage)
    : fileName_(std::move(fileName)), missingMessage_(missingMessage) {}

void ConversionTable::failMissing() const {
  throw Failure{std::string(missingMessage_), kMifOrTableUnavailable};
}

void ConversionTable::refresh() {
  std::error_code error;
  const std::filesystem::path path(fileName_);
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) {
    loadedState_.reset();
    failMissing();
  }
  const FileState state{std::filesystem::file_size(path, error), std::filesystem::last_write_time(path, error)};
  if (error) {
    loadedState_.reset();
    failMissing();
  }
  if (loadedState_ == state) return;

  loadedState_.reset();
  LineReader reader(fileName_, Failure{std::string(missingMessage_), kMifOrTableUnavailable});
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
