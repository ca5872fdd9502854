#include <windows.h>

#include <algorithm>

#include "text/platform_file.h"

namespace mif2cgps {

namespace {
// ReadFile and WriteFile take 32-bit sizes.
constexpr std::size_t kLargestTransfer = 1u << 30;

HANDLE nativeHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t storedHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }
}  // namespace

// Other programs may read, edit or replace the file while it is open.
InputFile::InputFile(const std::string& path)
    : handle_(storedHandle(CreateFileA(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {}

InputFile::~InputFile() {
  if (isOpen()) CloseHandle(nativeHandle(handle_));
}

bool InputFile::isOpen() const { return nativeHandle(handle_) != INVALID_HANDLE_VALUE; }

std::ptrdiff_t InputFile::readSome(char* buffer, std::size_t size) {
  DWORD got = 0;
  if (!ReadFile(nativeHandle(handle_), buffer, static_cast<DWORD>(std::min(size, kLargestTransfer)), &got, nullptr)) {
    // A pipe whose writer has closed reports the end this way.
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
  }
  return static_cast<std::ptrdiff_t>(got);
}

OutputFile::OutputFile(const std::string& path)
    : handle_(storedHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr))) {}

OutputFile::~OutputFile() {
  if (isOpen()) CloseHandle(nativeHandle(handle_));
}

bool OutputFile::isOpen() const { return nativeHandle(handle_) != INVALID_HANDLE_VALUE; }

bool OutputFile::writeAll(const char* bytes, std::size_t size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(nativeHandle(handle_), bytes, static_cast<DWORD>(std::min(size, kLargestTransfer)), &written,
                   nullptr)) {
      return false;
    }
    bytes += written;
    size -= written;
  }
  return true;
}

bool OutputFile::close() {
  const bool closed = CloseHandle(nativeHandle(handle_)) != 0;
  handle_ = storedHandle(INVALID_HANDLE_VALUE);
  return closed;
}

}  // namespace mif2cgps
