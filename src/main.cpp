#include <cstdio>

#include "run/conversion_run.h"

int main() { return mif2cgps::runConversion(mif2cgps::Console{stdin, stdout}); }
