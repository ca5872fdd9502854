#include "text/console.h"

#include "text/byte_text.h"

namespace mif2cgps {

void Console::print(std::string_view text) const { std::fwrite(text.data(), 1, text.size(), out); }

void Console::printLine(std::string_view text) const {
  print(text);
  std::fputc('\n', out);
}

void Console::printMessage(const Message& message) const { printLine(formMessage(message, encoding)); }

void Console::flush() const { std::fflush(out); }

std::optional<std::string> Console::readWord() const {
  int c = std::getc(in);
  while (c != EOF && isWhiteSpace(static_cast<char>(c))) c = std::getc(in);
  if (c == EOF) return std::nullopt;
  std::string word;
  while (c != EOF && !isWhiteSpace(static_cast<char>(c))) {
    word.push_back(static_cast<char>(c));
    c = std::getc(in);
  }
  if (c != EOF) std::ungetc(c, in);
  return word;
}

int stopWithPause(int code, const Console& console) {
  console.printLine("push any key");
  console.flush();
  int c = std::getc(console.in);
  while (c != EOF && c != '\n') c = std::getc(console.in);
  if (c != EOF) std::getc(console.in);
  return code;
}

}  // namespace mif2cgps
