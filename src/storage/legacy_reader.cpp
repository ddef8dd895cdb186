#include "storage/legacy_reader.h"

#include <vector>

#include "engine/simulation.h"
#include "storage/data_file_sections.h"
#include "storage/line_reader.h"
#include "storage/load_rebuild.h"

namespace quorvane {

bool LoadLegacySimulationText(Simulation& sim, std::string_view text, const std::string& path) {
    BeginLoad(sim);
    LineReader in(text);
    std::vector<int> forms;
    bool ended = false;
    try {
        const int sections = ReadHeader(in, sim);
        for (int n = 1; n <= sections; ++n) forms.push_back(ReadFormSection(in, sim, n, forms));
        ReadResultWindows(in, sim, true);
        try {
            in.Line();
        } catch (const DataFileEnd&) {
            ended = true;
        }
    } catch (const std::runtime_error& error) {
        ReportLoadError(sim, error.what());
        return false;
    }
    FinishLoad(sim, forms, path, ended);
    return true;
}

bool LoadLegacySimulation(Simulation& sim, const std::string& path) {
    return LoadFromFile(sim, path, LoadLegacySimulationText);
}

}  // namespace quorvane
