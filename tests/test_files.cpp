#include "test_files.h"

#include <fstream>
#include <iterator>
#include <random>

namespace mif2cgps::testing {

ScratchFolder::ScratchFolder() {
  std::random_device seed;
  folder_ = std::filesystem::temp_directory_path() / ("mif2cgps-test-" + std::to_string(seed()));
  std::filesystem::create_directories(folder_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::path(std::string_view name) const { return (folder_ / name).string(); }

std::string ScratchFolder::write(std::string_view name, std::string_view bytes) const {
  const std::string file = path(name);
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string ScratchFolder::read(std::string_view name) const {
  std::ifstream in(path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous_); }

}  // namespace mif2cgps::testing
