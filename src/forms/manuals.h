#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class Host;

inline constexpr int UserGuideManual = 1;
inline constexpr int FunctionBlockManual = 2;
inline constexpr int ExamplesManual = 3;

/// The file name of manual 1..3; empty for any other number.
std::string ManualFileName(int manual);

/// The first PDF reader found on `searchPath` (a PATH value, folders separated by ":") among
/// the readers the program knows, in its order of preference; empty when there is none.
std::string FindPdfReader(std::string_view searchPath);

/// A reader started on a manual: the program and its arguments, one per element.
struct ReaderLaunch {
    std::string Program;
    std::vector<std::string> Arguments;
};

/// The arguments that open `manualPath` in `reader`, searching for topic `key` where the reader
/// has a search option (key 0: no search).
ReaderLaunch ManualLaunch(const std::string& reader, const std::string& manualPath, int key);

/// Starts a program detached; false when it could not be started.
using ProcessStarter = std::function<bool(const ReaderLaunch&)>;

/// Opens manual `manual` from `helpFolder` (ending in a separator). A nonzero topic key always
/// opens the function-block manual, whose topic headings carry "Topic <key>". Messages:
/// "PDF Reader not found", "bad program path", "Manual not found".
void OpenManual(Host& ui, const std::string& helpFolder, int key, int manual, std::string_view searchPath,
                const ProcessStarter& start);

}  // namespace quorvane
