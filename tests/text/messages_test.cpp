#include "text/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include "text/japanese_texts.h"

namespace mif2cgps {
namespace {

// Shift_JIS (CP932) bytes as UTF-8, by the platform's own converter.
std::string utf8FromShiftJis(std::string_view shiftJis) {
#if defined(_WIN32)
  const int wideSize = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, shiftJis.data(),
                                           static_cast<int>(shiftJis.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, shiftJis.data(), static_cast<int>(shiftJis.size()), wide.data(),
                      wideSize);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), size, nullptr, nullptr);
  return utf8;
#else
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return "no CP932 converter";
  std::string in(shiftJis);
  std::string out(in.size() * 3, '\0');
  char* inBytes = in.data();
  char* outBytes = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t converted = iconv(converter, &inBytes, &inLeft, &outBytes, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1)) return "not Shift_JIS";
  out.resize(out.size() - outLeft);
  return out;
#endif
}

TEST(MessagesTest, BothFormsOfEveryTextSayTheSameThing) {
  namespace j = japanese;
  const j::Text texts[] = {j::kBanner,          j::kPrompt,           j::kCannotOpen,      j::kCannotWrite,
                           j::kNoBaseName,      j::kTableMissing,     j::kMifEnded,        j::kMifUnsound,
                           j::kLineNumberClose, j::kSkippedObjects,   j::kUnknownOption,   j::kOptionWithoutValue,
                           j::kOutputGivenTwice, j::kEmptyBaseName,   j::kOutputWithoutLayer, j::kOutputIsAnInput,
                           j::kUsageLine,       j::kHelp};
  for (const auto& text : texts) EXPECT_EQ(utf8FromShiftJis(text.shiftJis), text.utf8);
  EXPECT_EQ(utf8FromShiftJis(j::kHeaderOpening), ";***以下ヘッダ部分,データファイルに１つで可***");
  EXPECT_EQ(utf8FromShiftJis(j::kHeaderClosing), ";***以上ヘッダ部分***");
}

TEST(MessagesTest, EncodingFollowsTheConsole) {
  const struct {
    std::string_view codeset;
    ConsoleEncoding encoding;
  } codesets[] = {
      {"UTF-8", ConsoleEncoding::Utf8},       {"utf8", ConsoleEncoding::Utf8},
      {"utf-8", ConsoleEncoding::Utf8},       {"ANSI_X3.4-1968", ConsoleEncoding::ShiftJis},
      {"SHIFT_JIS", ConsoleEncoding::ShiftJis}, {"EUC-JP", ConsoleEncoding::ShiftJis},
      {"", ConsoleEncoding::ShiftJis},
  };
  for (const auto& c : codesets) EXPECT_EQ(encodingForCodeset(c.codeset), c.encoding) << c.codeset;
  EXPECT_EQ(encodingForCodePage(65001), ConsoleEncoding::Utf8);
  EXPECT_EQ(encodingForCodePage(932), ConsoleEncoding::ShiftJis);
  EXPECT_EQ(encodingForCodePage(437), ConsoleEncoding::ShiftJis);
}

TEST(MessagesTest, MessagesTakeTheirArgumentsInEitherEncoding) {
  const struct {
    Message message;
    std::string utf8;
  } cases[] = {
      {{MessageId::CannotOpen, "dir/a.mif"}, "ファイルを開けません(dir/a.mif)"},
      {{MessageId::CannotWrite, "a.cGPS.txt"}, "ファイルに書き込めません(a.cGPS.txt)"},
      {{MessageId::MifEnded, "a.mif", 12}, "MIFファイルが途中で終わっています(a.mif 12行目)"},
      {{MessageId::MifUnsound, "a.mif", 3}, "MIFファイルの図形を読めません(a.mif 3行目)"},
      {{MessageId::TableMissing, "KKconvert.txt"}, "KKconvert.txtがありません"},
      {{MessageId::SkippedObjects, {}, 5}, "変換しなかった図形 : 5"},
      {{MessageId::UnknownOption, "-x"}, "不明なオプションです(-x)"},
      {{MessageId::OutputIsAnInput, "a.mif"}, "出力ファイルが入力ファイルか変換表と同じです(a.mif)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formMessage(c.message, ConsoleEncoding::Utf8), c.utf8);
    EXPECT_EQ(utf8FromShiftJis(formMessage(c.message, ConsoleEncoding::ShiftJis)), c.utf8);
  }
  // Paths are bytes: a Shift_JIS path stays Shift_JIS on a UTF-8 console.
  const std::string path = "\x93\x8C\x8B\x9E.mif";
  EXPECT_EQ(formMessage({MessageId::CannotOpen, path}, ConsoleEncoding::Utf8), "ファイルを開けません(" + path + ")");
}

}  // namespace
}  // namespace mif2cgps
