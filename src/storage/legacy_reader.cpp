#include "storage/legacy_reader.h"

#include "engine/simulation.h"
#include "storage/data_file_sections.h"
#include "storage/line_reader.h"
#include "storage/load_rebuild.h"

namespace quorvane {

namespace {

void ReadLegacySimulation(LineReader& in, FileContent& sim, FileSections& found) {
    found.PlaceResultWindowsAlways = true;
    const int sections = ReadHeader(in, sim);
    for (int n = 1; n <= sections; ++n) found.Forms.push_back(ReadFormSection(in, sim, n, found.Forms));
    ReadResultWindows(in, sim);
    try {
        in.Line();
    } catch (const DataFileEnd&) {
        found.Ended = true;
    }
}

}  // namespace

bool LoadLegacySimulationText(Simulation& sim, std::string_view text, const std::string& path) {
    return LoadText(sim, text, path, ReadLegacySimulation);
}

bool LoadLegacySimulation(Simulation& sim, const std::string& path) {
    return LoadFromFile(sim, path, ReadLegacySimulation);
}

}  // namespace quorvane
