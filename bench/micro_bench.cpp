// Micro-benchmarks of the hot paths: reading lines, the blocks of polyline
// and point objects, a key matcher against many rows, a table lookup with
// its file-state question, and road typing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "geometry/mif_reader.h"
#include "geometry/object_blocks.h"
#include "labels/conversion_table.h"
#include "labels/key_matcher.h"
#include "labels/road_type.h"
#include "output/record_blocks.h"
#include "text/line_reader.h"

namespace mif2cgps {
namespace {

std::string scratchFile(const std::string& name, const std::string& bytes) {
  const auto path = (std::filesystem::temp_directory_path() / ("mif2cgps-bench-" + name)).string();
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string coordinateLines(std::size_t lines) {
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) text += "139.7671234 35.6812345\r\n";
  return text;
}

void BM_ReadLine(benchmark::State& state) {
  const auto path = scratchFile("lines", coordinateLines(100'000));
  for (auto _ : state) {
    LineReader reader(path, Failure{{MessageId::CannotOpen, path}, kMidUnavailable});
    std::string_view line;
    while (reader.readLine(line)) benchmark::DoNotOptimize(line);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 100'000 * 24);
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLine);

// Reads every object of a MIF file of 10,000 objects into record blocks.
void objectBlocks(benchmark::State& state, const std::string& mif, GeometryKind drawn) {
  const auto path = scratchFile("objects", mif);
  RecordBlocks blocks("[RGN40]", "[END-RGN40]");
  for (auto _ : state) {
    MifReader reader(path);
    ObjectLine object{ObjectKind::None, Words({})};
    while (reader.nextObject(object)) {
      blocks.startRecord("Type=0x06", "Label=\x93\x8C\x8B\x9E\n");
      appendObjectBlocks(object, reader, drawn, blocks);
      benchmark::DoNotOptimize(blocks.text().data());
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 10'000);
  std::filesystem::remove(path);
}

void BM_PolylineBlocks(benchmark::State& state) {
  std::string mif;
  for (int i = 0; i < 10'000; ++i) mif += "Pline 7\r\n" + coordinateLines(7) + "    Pen (1,2,0)\r\n";
  objectBlocks(state, mif, GeometryKind::Polyline);
}
BENCHMARK(BM_PolylineBlocks);

void BM_PointBlocks(benchmark::State& state) {
  std::string mif;
  for (int i = 0; i < 10'000; ++i) mif += "Point 139.7671234 35.6812345\r\n    Symbol (35,0,12)\r\n";
  objectBlocks(state, mif, GeometryKind::Point);
}
BENCHMARK(BM_PointBlocks);

// A lookup as the run makes it: the clock read, and the file-state
// question when a millisecond has passed.
void BM_ConversionTableLookup(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "mif2cgps-bench-table";
  std::filesystem::create_directories(folder);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  std::string rows;
  for (int row = 0; row < 1000; ++row) rows += "\x93\x8C\x96\xBC" + std::to_string(row) + ",HWY\n";
  std::ofstream("DKconvert.txt", std::ios::binary) << rows;
  ConversionTable table("DKconvert.txt");
  const std::string text = "\x8D\x82\x91\xAC\x93\x8C\x96\xBC" "998";
  for (auto _ : state) benchmark::DoNotOptimize(table.lookup(text, std::chrono::steady_clock::now()).data());
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ConversionTableLookup);

void BM_RoadType(benchmark::State& state) {
  const std::string labels[] = {"Label=\x8D\x91\x93\xB9\n", "Label=R-246\n", "Label=PACIFIC\n", "Label=\n"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(roadTypeFor(labels[next]).data());
    next = (next + 1) % 4;
  }
}
BENCHMARK(BM_RoadType);

// Keys of Shift_JIS double-byte characters; the texts hold a late key or none.
void BM_TableLookup(benchmark::State& state) {
  std::mt19937 random(7);
  auto word = [&](int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) {
      text += static_cast<char>(0x88 + random() % 8);
      text += static_cast<char>(0x40 + random() % 60);
    }
    return text;
  };
  std::vector<std::string> keys;
  for (int row = 0; row < state.range(0); ++row) keys.push_back(word(4) + std::to_string(row));
  const KeyMatcher matcher(std::vector<std::string_view>(keys.begin(), keys.end()));
  std::vector<std::string> texts;
  for (int i = 0; i < 1000; ++i) texts.push_back(word(5) + (i % 4 ? keys[keys.size() - 1 - i % std::min<std::size_t>(100, keys.size())] : ""));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(matcher.earliestMatch(texts[next]));
    next = (next + 1) % texts.size();
  }
}
BENCHMARK(BM_TableLookup)->Arg(10)->Arg(1000)->Arg(20000);

}  // namespace
}  // namespace mif2cgps
