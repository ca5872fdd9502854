// Writes a synthetic layer for timing the converter: a MIF/MID pair with
// Shift_JIS attributes and, for table layers, the conversion tables. The
// same arguments always give the same bytes.
//
//   make_layer <kind> <records> <folder> [seed]
//   kind: plain (no layer code), dk (1,000 table rows), dk20000 (20,000
//   rows), kktk, cm
//
// The polyline layers share their geometry, drawn from a generator of its
// own, so that they differ only in their attributes.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// Shift_JIS characters that attributes and table keys are built from:
// 東 名 高 速 道 路 国 県 市 町 村 川 山 田 中 線 橋 駅 北 南
const std::vector<std::string> kKanji = {
    "\x93\x8C", "\x96\xBC", "\x8D\x82", "\x91\xAC", "\x93\xB9", "\x98\x48", "\x8D\x91",
    "\x8C\xA7", "\x8E\x73", "\x92\xAC", "\x91\xBA", "\x90\xEC", "\x8E\x52", "\x93\x63",
    "\x92\x86", "\x90\xFC", "\x8B\xB4", "\x89\x77", "\x96\x6B", "\x93\xEC"};
const std::vector<std::string> kRoadValues = {"HWY", "TWY", "R-1", "r-2", "FWY", "IC", "JCT", "LOCAL"};

struct Generator {
  std::mt19937_64 random;

  std::size_t below(std::size_t n) { return static_cast<std::size_t>(random() % n); }

  std::string word(std::size_t characters) {
    std::string text;
    for (std::size_t i = 0; i < characters; ++i) text += kKanji[below(kKanji.size())];
    return text;
  }

  std::string coordinate(double base, double spread) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7f", base + spread * static_cast<double>(random() % 1'000'000) / 1e6);
    return text;
  }
};

void writeMifHeader(std::ofstream& mif) {
  mif << "Version 300\r\nCharset \"WindowsJapanese\"\r\nDelimiter \",\"\r\n"
         "CoordSys Earth Projection 1, 104\r\nColumns 2\r\n  Name Char(40)\r\n  Kind Integer\r\nData\r\n\r\n";
}

// Table keys are distinct four-character words; a record's attribute holds
// a late row's key, or (one in four) no key at all.
std::vector<std::string> writeTable(Generator& generator, const std::string& path, std::size_t rows) {
  std::vector<std::string> keys;
  std::ofstream table(path, std::ios::binary);
  for (std::size_t row = 0; row < rows; ++row) {
    std::string key = generator.word(4) + std::to_string(row);
    table << key << ',' << kRoadValues[generator.below(kRoadValues.size())] << "\r\n";
    keys.push_back(std::move(key));
  }
  return keys;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make_layer plain|dk|dk20000|kktk|cm <records> <folder> [seed]\n");
    return 2;
  }
  const std::string kind = argv[1];
  const long records = std::atol(argv[2]);
  const std::string folder = argv[3];
  const auto seed = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 20261211;
  Generator generator{std::mt19937_64(seed)};
  Generator geometry{std::mt19937_64(seed + 1)};

  std::string base = "bench";
  std::vector<std::string> keys;
  if (kind == "dk" || kind == "dk20000") {
    base += "DK";
    keys = writeTable(generator, folder + "/DKconvert.txt", kind == "dk" ? 1000 : 20000);
  } else if (kind == "kktk") {
    base += "KKTK";
    keys = writeTable(generator, folder + "/KKconvert.txt", 100);
    writeTable(generator, folder + "/TKconvert.txt", 100);
  } else if (kind == "cm") {
    base += "CM";
  } else if (kind != "plain") {
    std::fprintf(stderr, "unknown kind %s\n", kind.c_str());
    return 2;
  }

  std::ofstream mif(folder + "/" + base + ".mif", std::ios::binary);
  std::ofstream mid(folder + "/" + base + ".mid", std::ios::binary);
  writeMifHeader(mif);
  for (long record = 0; record < records; ++record) {
    std::string attribute = generator.word(2 + generator.below(6));
    if (!keys.empty() && generator.below(4) != 0) {
      attribute += keys[keys.size() - 1 - generator.below(keys.size() / 4)];
    }
    if (kind == "cm") {
      attribute += '}';
      attribute += generator.word(3);
    }
    mid << '"' << attribute << "\"," << record << "\r\n";

    if (kind == "cm") {
      mif << "Point " << geometry.coordinate(139, 1) << ' ' << geometry.coordinate(35, 1)
          << "\r\n    Symbol (35,0,12)\r\n";
      continue;
    }
    const std::size_t points = 2 + geometry.below(11);
    mif << "Pline " << points << "\r\n";
    for (std::size_t point = 0; point < points; ++point) {
      mif << geometry.coordinate(139, 1) << ' ' << geometry.coordinate(35, 1) << "\r\n";
    }
    mif << "    Pen (1,2,0)\r\n";
  }
  std::printf("%s\n", base.c_str());
  return 0;
}
