#include "cli/text_output.h"

#include <sstream>

#include "cli/run_setup.h"
#include "platform/text_file.h"

namespace quorvane {

bool WriteOutput(const std::string& path, std::ostream& out, std::ostream& err,
                 const std::function<void(std::ostream&)>& write) {
    if (path == "-") {
        write(out);
        return true;
    }
    std::ostringstream text;
    write(text);
    const std::string error = ReplaceFile(path, text.str());
    if (error.empty()) return true;
    return Fail(err, "cannot write " + path + ": " + error) == ExitFinished;
}

}  // namespace quorvane
