#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct FileContent;
class LineReader;
struct Simulation;

/// What reading a data file found besides the model: the form slots filled, in reading order,
/// whether the file stopped early as the files of earlier versions do, and whether the result
/// window places apply whatever the output options say (the older layout).
struct FileSections {
    std::vector<int> Forms;
    bool Ended = false;
    bool PlaceResultWindowsAlways = false;
};

/// Reads a whole data file into `staged`, a model of its own that no window shows, and throws
/// std::runtime_error at the first thing it cannot take.
using SectionsReader = void (*)(LineReader& in, FileContent& staged, FileSections& found);

/// Loads data file text: read whole into a model of its own and put in place of the open one
/// only when nothing was refused, then the windows rebuilt from it. A refusal reports "Loading
/// Simulation File" + two spaces + what was wrong and changes nothing else: the open model, its
/// sheets and windows, run settings, title and edits stay as they were. A file that stopped early
/// is loaded and reported with "EOF Encountered - Old File Type assumed - Loading Complete".
/// Returns whether it loaded; `path` names the file for the title.
bool LoadText(Simulation& sim, std::string_view text, const std::string& path, SectionsReader read);

/// LoadText for the file at `path`. A file that cannot be read changes nothing either and is
/// reported: "<system text> - File Load" when it does not exist, as a refused load otherwise.
bool LoadFromFile(Simulation& sim, const std::string& path, SectionsReader read);

}  // namespace quorvane
