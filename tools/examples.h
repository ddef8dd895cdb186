#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane {

/// The bundled example models, each written as the data file the program would save: returns
/// the names written into `folder`. Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteExamples(const std::filesystem::path& folder);

}  // namespace quorvane
