#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace quorvane {

/// Writes what `write` produces on `out` when `path` is "-", otherwise into the file at `path`
/// in one piece, so that no half-written file is left. False, after saying why on `err`, when
/// the file cannot be written.
bool WriteOutput(const std::string& path, std::ostream& out, std::ostream& err,
                 const std::function<void(std::ostream&)>& write);

}  // namespace quorvane
