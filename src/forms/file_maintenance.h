#pragma once

#include <string>

namespace quorvane {

struct Simulation;

/// "Maintain Internal Data Files": the file chosen and its text as the edit box shows it.
struct MaintainedFile {
    std::string Path;      ///< Text1, the name box
    std::string Size;      ///< Label7: "<n> bytes"
    std::string Changed;   ///< Label1: date and time of the last change
    std::string Text;      ///< Text3: lines joined by "\n", without the file's final line end
};

/// Reads a file for editing. A file that cannot be read is reported ("Error encountered during
/// Maintaining Data Files - <system text>") and gives false.
bool OpenMaintainedFile(Simulation& sim, const std::string& path, MaintainedFile& file);

/// "Save Amended File": asks "Over Write  <path>" (title "Warning"); Yes replaces the file, by
/// the safe save, with `text` in CRLF lines followed by a line end, so a text saved unchanged
/// gives back the same bytes. Nothing happens without a chosen path. Returns whether it wrote.
bool SaveAmendedFile(Simulation& sim, const std::string& path, const std::string& text);

}  // namespace quorvane
