// The program's one error mechanism. A module that meets a failure it
// recognises throws a Failure: which message, its raw arguments, and the exit
// code. The run catches it in one place and has the console form the message
// in the console's encoding (text/messages.h).
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace mif2cgps {

enum ExitCode : int {
  kCompleted = 0,
  kMifOrTableUnavailable = 1,  // the MIF file or a conversion table cannot be opened or read
  kMidUnavailable = 2,         // the MID file cannot be opened or read
  kOutputUnavailable = 3,      // the output cannot be created, written or closed
  kMifIncomplete = 4,          // the MIF file ends early or holds an object that cannot be read soundly
  kNoBaseName = 5,             // standard input ended before a base name was typed
  kUsageError = 64,            // the command line cannot be understood
};

enum class MessageId {
  Banner,
  Prompt,
  CannotOpen,        // subject: the path
  CannotWrite,       // subject: the path
  NoBaseName,
  TableMissing,      // subject: the table's file name
  MifEnded,          // subject: the MIF path; number: its line
  MifUnsound,        // subject: the MIF path; number: its line
  SkippedObjects,    // number: how many
  Help,
  UsageLine,
  UnknownOption,     // subject: the option
  OptionWithoutValue,  // subject: the option
  OutputGivenTwice,
  EmptyBaseName,
  OutputWithoutLayer,
  OutputIsAnInput,   // subject: the output path
};

struct Message {
  Message(MessageId id, std::string subject = {}, std::int64_t number = 0)
      : id(id), subject(std::move(subject)), number(number) {}

  MessageId id;
  std::string subject;  // a path, file name or option, as bytes given
  std::int64_t number;  // a line number or a count
};

struct Failure {
  Message message;
  ExitCode exitCode;
  bool reportsTotal = false;  // print "Total lines" (complete records) after the message
};

}  // namespace mif2cgps
