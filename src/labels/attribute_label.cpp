#include "labels/attribute_label.h"

#include "text/byte_text.h"
#include "text/sjis_texts.h"

namespace mif2cgps {

ConversionTables::ConversionTables()
    : kk("KKconvert.txt", sjis::kKKTableMissing),
      dk("DKconvert.txt", sjis::kDKTableMissing),
      tk("TKconvert.txt", sjis::kTKTableMissing) {}

std::string_view attributeToken(std::string_view midLine) {
  Tokenizer tokens(midLine, "\"");
  std::string_view token;
  return tokens.next(token) ? token : std::string_view{};
}

std::string_view cutAtBrace(std::string_view attribute) {
  std::size_t start = 0;
  while (start < attribute.size() && attribute[start] == '}') ++start;
  std::size_t end = start;
  while (end < attribute.size() && attribute[end] != '}') end += isShiftJisLeadByte(attribute[end]) ? 2 : 1;
  return attribute.substr(start, end - start);
}

void labelText(std::string_view midLine, const LayerProfile& profile, ConversionTables& tables,
               std::string& labelLine) {
  const std::string_view attribute =
      profile.labelSource == LabelSource::none ? std::string_view{} : attributeToken(midLine);
  // A one-byte attribute is never looked up: no table is consulted for it.
  auto translate = [&](ConversionTable& table) {
    if (attribute.size() >= 2) labelLine += lookupConversion(table, attribute);
  };
  switch (profile.labelSource) {
    case LabelSource::KK: translate(tables.kk); break;
    case LabelSource::DK: translate(tables.dk); break;
    case LabelSource::TK: translate(tables.tk); break;
    case LabelSource::CM: labelLine += cutAtBrace(attribute); break;
    case LabelSource::none: break;
  }
  if (profile.requiresKKTable) requireConversionTable(tables.kk);
  if (profile.requiresTKTable) requireConversionTable(tables.tk);
}

}  // namespace mif2cgps
