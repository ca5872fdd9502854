// libFuzzer target: one whole conversion per input, in a scratch folder.
//
// Input: one byte that picks the layer code of the base name (its high bit
// puts the output on a full disk), then the MIF file, the MID file and the
// KK, DK and TK tables, separated by the marker below. A part that the input
// does not reach leaves its file absent.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "run/conversion_run.h"

namespace {

constexpr std::string_view kPartMarker = "\n%%\n";
constexpr std::array<std::string_view, 11> kLayerCodes = {"",   "GK",   "DK",   "KK",   "SK",  "TK",
                                                          "CM", "DKTK", "KKTK", "DKCM", "GKDK"};
constexpr std::array<std::string_view, 5> kPartFiles = {".mif", ".mid", "KKconvert.txt", "DKconvert.txt",
                                                        "TKconvert.txt"};

std::FILE* consoleOut = nullptr;
std::filesystem::path scratchFolder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/mif2cgps-fuzz-XXXXXX";
  if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
  scratchFolder = folder;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder, ignored);
  });
  consoleOut = std::fopen("/dev/null", "w");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  for (const auto& entry : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(entry.path());

  const std::string baseName = "layer" + std::string(kLayerCodes[(data[0] & 0x7F) % kLayerCodes.size()]);
  if (data[0] & 0x80) std::filesystem::create_symlink("/dev/full", baseName + ".cGPS.txt");
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (std::size_t part = 0; part < kPartFiles.size() && !rest.empty(); ++part) {
    const auto marker = rest.find(kPartMarker);
    const std::string_view bytes = rest.substr(0, marker);
    rest = marker == std::string_view::npos ? std::string_view{} : rest.substr(marker + kPartMarker.size());
    const std::string name = part < 2 ? baseName + std::string(kPartFiles[part]) : std::string(kPartFiles[part]);
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::FILE* consoleIn = std::tmpfile();
  std::fputs((baseName + "\n").c_str(), consoleIn);
  std::rewind(consoleIn);
  mif2cgps::runProgram({}, mif2cgps::Console{consoleIn, consoleOut});
  std::fclose(consoleIn);
  return 0;
}
