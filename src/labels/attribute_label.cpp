#include "labels/attribute_label.h"

#include "text/byte_scan.h"
#include "text/byte_text.h"

namespace mif2cgps {

std::string_view attributeToken(std::string_view midLine) {
  const char* start = midLine.data();
  const char* end = start + midLine.size();
  while (start < end && *start == '"') ++start;
  const char* quote = findByte(start, end, '"');
  return std::string_view(start, static_cast<std::size_t>((quote ? quote : end) - start));
}

std::string_view cutAtBrace(std::string_view attribute) {
  std::size_t start = 0;
  while (start < attribute.size() && attribute[start] == '}') ++start;
  std::size_t end = start;
  while (end < attribute.size() && attribute[end] != '}') end += isShiftJisLeadByte(attribute[end]) ? 2 : 1;
  return attribute.substr(start, end - start);
}

void appendLabelText(std::string_view midLine, LabelSource source, ConversionTables& tables, TimePoint now,
                     std::string& labelLine) {
  const std::string_view attribute = source == LabelSource::None ? std::string_view{} : attributeToken(midLine);
  // A one-byte attribute is never looked up: no table is consulted for it.
  auto translate = [&](ConversionTable& table) {
    if (attribute.size() >= 2) labelLine += table.lookup(attribute, now);
  };
  switch (source) {
    case LabelSource::KK: translate(tables.kk); break;
    case LabelSource::DK: translate(tables.dk); break;
    case LabelSource::TK: translate(tables.tk); break;
    case LabelSource::CM: labelLine += cutAtBrace(attribute); break;
    case LabelSource::None: break;
  }
}

}  // namespace mif2cgps
