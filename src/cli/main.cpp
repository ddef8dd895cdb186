#include <iostream>
#include <string>

#include "cli/runner.h"

int main(int argc, char* argv[]) {
    return quorvane::RunCommandLine(argc, argv, std::cout, std::cerr);
}
