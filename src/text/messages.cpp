#include "text/messages.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <clocale>
#include <langinfo.h>
#endif

#include "text/byte_text.h"
#include "text/japanese_texts.h"

namespace mif2cgps {

ConsoleEncoding encodingForCodeset(std::string_view codeset) {
  return equalsIgnoringCase(codeset, "UTF-8") || equalsIgnoringCase(codeset, "utf8") ? ConsoleEncoding::Utf8
                                                                                       : ConsoleEncoding::ShiftJis;
}

ConsoleEncoding encodingForCodePage(unsigned codePage) {
  constexpr unsigned kUtf8CodePage = 65001;
  return codePage == kUtf8CodePage ? ConsoleEncoding::Utf8 : ConsoleEncoding::ShiftJis;
}

#if defined(_WIN32)
ConsoleEncoding detectConsoleEncoding() { return encodingForCodePage(GetConsoleOutputCP()); }
#else
ConsoleEncoding detectConsoleEncoding() {
  const char* found = std::setlocale(LC_CTYPE, "");
  const ConsoleEncoding encoding = found ? encodingForCodeset(nl_langinfo(CODESET)) : ConsoleEncoding::ShiftJis;
  std::setlocale(LC_CTYPE, "C");
  return encoding;
}
#endif

std::string formMessage(const Message& message, ConsoleEncoding encoding) {
  auto words = [encoding](const japanese::Text& text) {
    return encoding == ConsoleEncoding::Utf8 ? text.utf8 : text.shiftJis;
  };
  auto inParentheses = [&](const japanese::Text& text) {
    std::string formed(words(text));
    formed += message.subject;
    formed += ')';
    return formed;
  };
  auto atLine = [&](const japanese::Text& text) {
    std::string formed(words(text));
    formed += message.subject;
    formed += ' ';
    formed += std::to_string(message.number);
    formed += words(japanese::kLineNumberClose);
    return formed;
  };
  switch (message.id) {
    case MessageId::Banner: return std::string(words(japanese::kBanner));
    case MessageId::Prompt: return std::string(words(japanese::kPrompt));
    case MessageId::CannotOpen: return inParentheses(japanese::kCannotOpen);
    case MessageId::CannotWrite: return inParentheses(japanese::kCannotWrite);
    case MessageId::NoBaseName: return std::string(words(japanese::kNoBaseName));
    case MessageId::TableMissing: return message.subject + std::string(words(japanese::kTableMissing));
    case MessageId::MifEnded: return atLine(japanese::kMifEnded);
    case MessageId::MifUnsound: return atLine(japanese::kMifUnsound);
    case MessageId::SkippedObjects:
      return std::string(words(japanese::kSkippedObjects)) + std::to_string(message.number);
    case MessageId::Help: return std::string(words(japanese::kHelp));
    case MessageId::UsageLine: return std::string(words(japanese::kUsageLine));
    case MessageId::UnknownOption: return inParentheses(japanese::kUnknownOption);
    case MessageId::OptionWithoutValue: return inParentheses(japanese::kOptionWithoutValue);
    case MessageId::OutputGivenTwice: return std::string(words(japanese::kOutputGivenTwice));
    case MessageId::EmptyBaseName: return std::string(words(japanese::kEmptyBaseName));
    case MessageId::OutputWithoutLayer: return std::string(words(japanese::kOutputWithoutLayer));
    case MessageId::OutputIsAnInput: return inParentheses(japanese::kOutputIsAnInput);
  }
  return {};
}

}  // namespace mif2cgps
