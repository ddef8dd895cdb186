#include "storage/data_file_reader.h"

#include "engine/simulation.h"
#include "storage/data_file_sections.h"
#include "storage/line_reader.h"
#include "storage/load_rebuild.h"

namespace quorvane {

namespace {

// Files of earlier versions stop after the result window places; a file that ends before them
// has lost part of its model.
void ReadSimulation(LineReader& in, FileContent& sim, FileSections& found) {
    const int sections = ReadHeader(in, sim);
    for (int n = 1; n <= sections; ++n) found.Forms.push_back(ReadFormSection(in, sim, 0, found.Forms));
    ReadResultWindows(in, sim);
    try {
        for (int f : found.Forms) ReadTerminalSection(in, sim, f);
        ReadStatusSection(in, sim);
    } catch (const DataFileEnd&) {
        found.Ended = true;
    }
}

}  // namespace

bool LoadSimulationText(Simulation& sim, std::string_view text, const std::string& path) {
    return LoadText(sim, text, path, ReadSimulation);
}

bool LoadSimulation(Simulation& sim, const std::string& path) { return LoadFromFile(sim, path, ReadSimulation); }

}  // namespace quorvane
