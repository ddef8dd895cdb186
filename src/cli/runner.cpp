#include "cli/runner.h"

#include <ostream>
#include <string>
#include <vector>

#include "cli/options.h"

namespace quorvane {

int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        err << "quorvane-run: " << error << "\n" << "Try quorvane-run --help\n";
        return 2;
    }
    if (options->Help) {
        out << RunnerUsage();
        return 0;
    }
    if (options->Version) {
        out << "quorvane-run " << QUORVANE_VERSION << "\n";
        return 0;
    }
    err << "quorvane-run: models cannot be run yet\n";
    return 2;
}

}  // namespace quorvane
