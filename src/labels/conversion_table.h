// Conversion tables: text files the user keeps in the working directory that
// turn an attribute into a label. One row a line: a key, then its value,
// separated by any mix of commas, spaces and tabs. The first row (in file
// order) whose key occurs anywhere in the attribute gives the label.
//
// A table is read once and kept in memory while its file stays the same. It
// asks the file system whether the file is still there and whether it
// changed (identity, size, times) at its first use, and afterwards at a
// lookup or presence check only when at least 1 ms of the monotonic clock
// has passed since its previous question; in between it uses what that
// question saw. So an edit, a replacement or a removal takes effect at the
// first lookup at least 1 ms after it. The caller gives the time, so that a
// record reads the clock once for all its tables, and tests need not sleep.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "labels/key_matcher.h"
#include "labels/table_file_state.h"
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

using TimePoint = std::chrono::steady_clock::time_point;

class ConversionTable {
 public:
  static constexpr std::chrono::milliseconds kQuestionInterval{1};

  // `fileName` is opened relative to the working directory and names the
  // table in its missing-table message.
  explicit ConversionTable(std::string fileName) : fileName_(std::move(fileName)) {}

  // The value of the first row whose key occurs in `text`, or the empty
  // text when none does, at time `now`. A row without a value is passed
  // over. The result stays valid until the next lookup. Throws the
  // missing-table failure (exit code 1) when the table is gone, a folder,
  // or unreadable.
  std::string_view lookup(std::string_view text, TimePoint now);

  // Throws the missing-table failure (exit code 1) when the table cannot be
  // read at time `now`; otherwise does nothing.
  void require(TimePoint now);

 private:
  void refresh(TimePoint now);
  void load(const TableFileState& state);
  Failure missing() const;

  std::string fileName_;
  std::optional<TimePoint> lastQuestion_;
  std::optional<TableFileState> loadedState_;
  std::string rowText_;  // every row's value, back to back
  std::vector<std::pair<std::uint32_t, std::uint32_t>> values_;  // offset and size in rowText_
  KeyMatcher matcher_;
};

// The three tables of a run, kept for the whole run so that an unchanged
// table is read only once.
struct ConversionTables {
  ConversionTable kk{"KKconvert.txt"};
  ConversionTable dk{"DKconvert.txt"};
  ConversionTable tk{"TKconvert.txt"};
};

}  // namespace mif2cgps
