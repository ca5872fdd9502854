// Conversion tables: text files the user keeps in the working directory that
// turn an attribute into a label. One row a line: a key, then its value,
// separated by any mix of commas, spaces and tabs. The first row (in file
// order) whose key occurs anywhere in the attribute gives the label.
//
// A table is read once and kept in memory while its file stays the same:
// every lookup and presence check asks the file system whether the file is
// still there and whether it changed (size, times, identity), so an edited,
// replaced or removed table takes effect at the next lookup.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "labels/key_matcher.h"
#include "text/failure.h"

namespace mif2cgps {

struct TableRow {
  std::string_view key;    // empty when the row holds only separators
  std::string_view value;  // empty when nothing but separators follows the key
};

// Splits one table line (its line feed included, if it has one) into key and
// value. The key ends at a comma, space or tab, so a row holding only a key
// keeps its line feed in the key; the value also ends at a line feed.
TableRow parseTableRow(std::string_view line);

// What tells one version of a table file from another: identity, size and
// times, as one question to the file system. Empty when the path is not a
// regular file.
struct TableFileState {
  std::uint64_t device = 0;
  std::uint64_t file = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedNanoseconds = 0;
  bool operator==(const TableFileState&) const = default;
};
std::optional<TableFileState> tableFileState(const std::string& path);

class ConversionTable {
 public:
  // `fileName` is opened relative to the working directory; `missingMessage`
  // is printed when it cannot be opened.
  ConversionTable(std::string fileName, std::string_view missingMessage);

  const std::string& fileName() const { return fileName_; }

 private:
  friend std::string_view lookupConversion(ConversionTable& table, std::string_view text);
  friend void requireConversionTable(ConversionTable& table);

  // Makes the rows in memory match the file. Throws the missing-table
  // failure (exit code 1) when the file is gone, a folder, or unreadable.
  void refresh();
  [[noreturn]] void failMissing() const;

  std::string fileName_;
  Failure missing_;  // thrown whenever the file cannot be opened or read
  std::optional<TableFileState> loadedState_;
  std::string rowText_;  // every row's value, back to back
  std::vector<std::pair<std::uint32_t, std::uint32_t>> values_;  // offset and size in rowText_
  KeyMatcher matcher_;
};

// The value of the first row whose key occurs in `text`, or the empty text
// when none does. A row without a value is passed over. The result stays
// valid until the next lookup in the same table. Throws the missing-table
// failure (exit code 1) when the table cannot be opened.
std::string_view lookupConversion(ConversionTable& table, std::string_view text);

// Throws the missing-table failure (exit code 1) when the table cannot be
// opened; otherwise does nothing.
void requireConversionTable(ConversionTable& table);

}  // namespace mif2cgps
