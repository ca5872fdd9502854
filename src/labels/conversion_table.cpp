#include "labels/conversion_table.h"

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

Failure ConversionTable::missing() const {
  return Failure{{MessageId::TableMissing, fileName_}, kMifOrTableUnavailable};
}

void ConversionTable::refresh(TimePoint now) {
  if (lastQuestion_ && now - *lastQuestion_ < kQuestionInterval) {
    if (!loadedState_) throw missing();
    return;
  }
  lastQuestion_ = now;
  const auto state = tableFileState(fileName_);
  if (!state) {
    loadedState_.reset();
    throw missing();
  }
  if (loadedState_ != state) load(*state);
}

void ConversionTable::load(const TableFileState& state) {
  loadedState_.reset();
  LineReader reader(fileName_, missing());
  std::vector<std::string> keys;
  rowText_.clear();
  values_.clear();
  std::string_view line;
  while (reader.readLine(line)) {
    const TableRow row = parseTableRow(line);
    if (row.value.empty()) continue;
    keys.emplace_back(row.key);
    values_.emplace_back(static_cast<std::uint32_t>(rowText_.size()), static_cast<std::uint32_t>(row.value.size()));
    rowText_ += row.value;
  }
  matcher_ = KeyMatcher(std::vector<std::string_view>(keys.begin(), keys.end()));
  loadedState_ = state;
}

std::string_view ConversionTable::lookup(std::string_view text, TimePoint now) {
  refresh(now);
  const std::uint32_t row = matcher_.earliestMatch(text);
  if (row == KeyMatcher::kNoKey) return {};
  const auto [offset, size] = values_[row];
  return std::string_view(rowText_).substr(offset, size);
}

void ConversionTable::require(TimePoint now) { refresh(now); }

}  // namespace mif2cgps
