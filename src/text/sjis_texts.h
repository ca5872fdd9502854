// Every Japanese text the program writes, as Shift_JIS (CP932) bytes.
// The console and the map compiler read these bytes as they stand, so they
// are spelt as escapes, never as UTF-8 source text.
#pragma once

#include <string_view>

namespace mif2cgps::sjis {

// mid/mifファイルをcGPSmapperで読める形式に変換します。
inline constexpr std::string_view kBanner =
    "mid/mif\x83t\x83@\x83" "C\x83\x8B\x82\xF0" "cGPSmapper\x82\xC5\x93\xC7\x82\xDF\x82\xE9"
    "\x8C`\x8E\xAE\x82\xC9\x95\xCF\x8A\xB7\x82\xB5\x82\xDC\x82\xB7\x81" "B";

// ファイル名を入力（拡張子(.mif/.mid）はいりません） >> 
inline constexpr std::string_view kPrompt =
    "\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xF0\x93\xFC\x97\xCD\x81i\x8Ag\x92\xA3\x8Eq(.mif/.mid"
    "\x81j\x82\xCD\x82\xA2\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81j >> ";

// ファイルを開けません(   ... followed by the path and ")"
inline constexpr std::string_view kCannotOpen =
    "\x83t\x83@\x83" "C\x83\x8B\x82\xF0\x8AJ\x82\xAF\x82\xDC\x82\xB9\x82\xF1(";

// ファイルに書き込めません(   ... followed by the path and ")"
inline constexpr std::string_view kCannotWrite =
    "\x83t\x83@\x83" "C\x83\x8B\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1(";

// ファイル名が入力されていません
inline constexpr std::string_view kNoBaseName =
    "\x83t\x83@\x83" "C\x83\x8B\x96\xBC\x82\xAA\x93\xFC\x97\xCD\x82\xB3\x82\xEA\x82\xC4\x82\xA2"
    "\x82\xDC\x82\xB9\x82\xF1";

// KKconvert.txtがありません
inline constexpr std::string_view kKKTableMissing =
    "KKconvert.txt\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// DKconvert.txtがありません
inline constexpr std::string_view kDKTableMissing =
    "DKconvert.txt\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// TKconvert.txtがありません
inline constexpr std::string_view kTKTableMissing =
    "TKconvert.txt\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";

// MIFファイルが途中で終わっています(   ... followed by the path, " ", the line number and "行目)"
inline constexpr std::string_view kMifEnded =
    "MIF\x83t\x83@\x83" "C\x83\x8B\x82\xAA\x93r\x92\x86\x82\xC5\x8FI\x82\xED\x82\xC1\x82\xC4\x82\xA2"
    "\x82\xDC\x82\xB7(";
// MIFファイルの図形を読めません(   ... followed by the path, " ", the line number and "行目)"
inline constexpr std::string_view kMifUnsound =
    "MIF\x83t\x83@\x83" "C\x83\x8B\x82\xCC\x90}\x8C`\x82\xF0\x93\xC7\x82\xDF\x82\xDC\x82\xB9\x82\xF1(";
// 行目)
inline constexpr std::string_view kLineNumberClose = "\x8Ds\x96\xDA)";

// ;***以下ヘッダ部分,データファイルに１つで可***   (１ is the full-width digit 0x82 0x50)
inline constexpr std::string_view kHeaderOpening =
    ";***\x88\xC8\x89\xBA\x83w\x83" "b\x83_\x95\x94\x95\xAA,\x83" "f\x81[\x83^\x83t\x83@\x83"
    "C\x83\x8B\x82\xC9\x82P\x82\xC2\x82\xC5\x89\xC2***";
// ;***以上ヘッダ部分***
inline constexpr std::string_view kHeaderClosing =
    ";***\x88\xC8\x8F\xE3\x83w\x83" "b\x83_\x95\x94\x95\xAA***";

}  // namespace mif2cgps::sjis
