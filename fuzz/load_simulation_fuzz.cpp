// Feeds arbitrary bytes to the data file readers. Beyond "no crash, no sanitizer report", every
// file the reader accepts must save to a text that loads back and saves to the same text again.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/desktop.h"
#include "model/simulation.h"
#include "platform/recording_host.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage/legacy_reader.h"

namespace {

using namespace quorvane;

// The simulation is large; one pair serves every input, and each load starts by clearing it.
struct Bench {
    RecordingHost Host;
    Desktop Windows;
    Simulation First{Host, Windows};
    Simulation Second{Host, Windows};
};

Bench& TheBench() {
    static Bench* bench = new Bench;
    return *bench;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bench& bench = TheBench();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string path = "/fuzz/input.vqe";

    bench.Host.Clear();
    LoadLegacySimulationText(bench.First, text, path);
    bench.Host.Clear();
    if (!LoadSimulationText(bench.First, text, path)) return 0;

    const std::optional<std::string> saved = SimulationText(bench.First, "input.vqe");
    Check(saved.has_value());
    bench.Host.Clear();
    Check(LoadSimulationText(bench.Second, *saved, path));
    Check(bench.Host.Messages().empty());
    Check(SimulationText(bench.Second, "input.vqe") == saved);
    return 0;
}
