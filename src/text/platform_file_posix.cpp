#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "text/platform_file.h"

namespace mif2cgps {

namespace {
constexpr std::intptr_t kClosed = -1;

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }
}  // namespace

InputFile::InputFile(const std::string& path) : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

InputFile::~InputFile() {
  if (isOpen()) ::close(descriptor(handle_));
}

bool InputFile::isOpen() const { return handle_ != kClosed; }

std::ptrdiff_t InputFile::readSome(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(descriptor(handle_), buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

OutputFile::OutputFile(const std::string& path)
    : handle_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {}

OutputFile::~OutputFile() {
  if (isOpen()) ::close(descriptor(handle_));
}

bool OutputFile::isOpen() const { return handle_ != kClosed; }

bool OutputFile::writeAll(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor(handle_), bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool OutputFile::close() {
  const int result = ::close(descriptor(handle_));
  handle_ = kClosed;
  return result == 0;
}

}  // namespace mif2cgps
