#include "cli/runner.h"

#include <ostream>
#include <string>

namespace quorvane {

namespace {

const char* const Usage =
    "Usage: quorvane-run MODEL.vqe [options]\n"
    "Loads a Quorvane model, runs it as the Run button would and writes what is asked.\n"
    "\n"
    "  --help         show this text\n"
    "  --version      show the version\n";

}  // namespace

int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            out << Usage;
            return 0;
        }
        if (arg == "--version") {
            out << "quorvane-run " << QUORVANE_VERSION << "\n";
            return 0;
        }
    }
    err << "quorvane-run: models cannot be run yet\n" << Usage;
    return 2;
}

}  // namespace quorvane
