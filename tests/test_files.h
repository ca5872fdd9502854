// A scratch folder for tests that need real files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mif2cgps::testing {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Writes `bytes` to `name` inside the folder and returns its path.
  std::string write(std::string_view name, std::string_view bytes) const;
  std::string read(std::string_view name) const;
  std::string path(std::string_view name) const;

 private:
  std::filesystem::path folder_;
};

// Makes a folder the working directory for its lifetime.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& folder);
  ~WorkingDirectory();
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace mif2cgps::testing
