// Attribute labels: each record's label comes from the attribute token of
// its MID line, translated through a conversion table or cut at "}".
#pragma once

#include <string>
#include <string_view>

#include "labels/conversion_table.h"
#include "profile/layer_profile.h"

namespace mif2cgps {

// The first token of the MID line under the separator {double quote}: the
// first quoted field when the line begins with a quote, otherwise what stands
// before the first quote (the whole line, line feed included, when it has
// none). Empty when the line holds nothing but double quotes.
std::string_view attributeToken(std::string_view midLine);

// The CM label: the attribute up to its first "}" that stands as a character
// of its own, after skipping leading ones. A 0x7D that is the second byte of
// a Shift_JIS character does not cut.
std::string_view cutAtBrace(std::string_view attribute);

// Appends the record's label text from `source` to `labelLine`. A table
// source looks the attribute up at time `now` when it has two bytes or more;
// that throws the missing-table failure (exit code 1) when the table cannot
// be read.
void appendLabelText(std::string_view midLine, LabelSource source, ConversionTables& tables, TimePoint now,
                     std::string& labelLine);

}  // namespace mif2cgps
