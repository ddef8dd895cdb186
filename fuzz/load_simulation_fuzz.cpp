// Feeds arbitrary bytes to the data file readers. Beyond "no crash, no sanitizer report", every
// file the reader accepts must save to a text that loads back and saves to the same text again,
// and every float value that text carries must load back to the same bits.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/simulation.h"
#include "model/desktop.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage/legacy_reader.h"
#include "support/recording_host.h"

namespace {

using namespace quorvane;

// The simulation is large; one pair serves every input, and each load starts by clearing it.
struct Bench {
    RecordingHost Host;
    NullDesktop Windows;
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

// The bits of every float value the writer puts in the file, in its order; a number that may
// never have been set counts as the float it is written as, and an unset one as a NaN.
std::vector<std::uint32_t> SavedFloatBits(const Simulation& sim) {
    std::vector<std::uint32_t> bits;
    auto add = [&](float value) { bits.push_back(std::bit_cast<std::uint32_t>(value)); };
    auto addNumber = [&](const std::optional<double>& value) {
        add(value ? static_cast<float>(*value) : std::numeric_limits<float>::quiet_NaN());
    };
    for (float value : {sim.Run.StartTime, sim.Run.StopTime, sim.Run.TimeStep, sim.Run.PrintInterval,
                        sim.Run.GraphInterval, sim.Graph.YMaximum, sim.Graph.YMinimum, sim.Graph.XMaximum,
                        sim.Graph.XMinimum}) {
        add(value);
    }
    for (const WindowPlace* place : {&sim.GraphWindow, &sim.TabulationWindow}) {
        addNumber(place->Top);
        addNumber(place->Left);
    }
    addNumber(sim.Status.StopExtendFactor);
    for (int f = 1; f <= FormSlots; ++f) {
        const SimulationForm& form = sim.Forms[f];
        if (form.InUse <= 0) continue;
        for (float value : {form.SpareHigh, form.SpareLow, form.SpareSingle}) add(value);
        for (const auto* value : {&form.Window.Top, &form.Window.Left, &form.Window.Width, &form.Window.Height})
            addNumber(*value);
        for (int b = 1; b <= form.BlockCount; ++b) {
            const Block& block = form.Blocks[b];
            for (int k = 1; k <= MaxInputs; ++k) {
                for (float value : {block.Work[k], block.History[k], block.Constant[k]}) add(value);
            }
            for (float value : {block.SatLow, block.SatHigh, block.Output, block.InitialCondition, block.SpareSingle})
                add(value);
        }
    }
    return bits;
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
    Check(SavedFloatBits(bench.Second) == SavedFloatBits(bench.First));
    return 0;
}
