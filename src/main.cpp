#include <cstdio>
#include <string>
#include <vector>

#include "run/conversion_run.h"
#include "text/messages.h"

int main(int argc, char** argv) {
  const mif2cgps::Console console{stdin, stdout, mif2cgps::detectConsoleEncoding()};
  return mif2cgps::runProgram(std::vector<std::string>(argv + 1, argv + argc), console);
}
