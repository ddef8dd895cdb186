#include "storage/data_file_reader.h"

#include <vector>

#include "engine/simulation.h"
#include "storage/data_file_sections.h"
#include "storage/line_reader.h"
#include "storage/load_rebuild.h"

namespace quorvane {

namespace {

// Files of earlier versions stop after the result window places; a file that ends before them
// has lost part of its model.
void ReadSimulation(LineReader& in, Simulation& sim, std::vector<int>& forms, bool& oldFileType) {
    const int sections = ReadHeader(in, sim);
    for (int n = 1; n <= sections; ++n) forms.push_back(ReadFormSection(in, sim, 0, forms));
    ReadResultWindows(in, sim, false);
    try {
        for (int f : forms) ReadTerminalSection(in, sim, f);
        ReadStatusSection(in, sim);
    } catch (const DataFileEnd&) {
        oldFileType = true;
    }
}

}  // namespace

bool LoadSimulationText(Simulation& sim, std::string_view text, const std::string& path) {
    BeginLoad(sim);
    LineReader in(text);
    std::vector<int> forms;
    bool oldFileType = false;
    try {
        ReadSimulation(in, sim, forms, oldFileType);
    } catch (const std::runtime_error& error) {
        ReportLoadError(sim, error.what());
        return false;
    }
    FinishLoad(sim, forms, path, oldFileType);
    return true;
}

bool LoadSimulation(Simulation& sim, const std::string& path) {
    return LoadFromFile(sim, path, LoadSimulationText);
}

}  // namespace quorvane
