#include "forms/fft_properties.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr double PercentPerFraction = 100.0;
/// The highest level taken is below 99 percent; above it hardly any phase would be shown.
constexpr double LevelLimit = 99.0;

auto FftProperties(const Simulation& sim) {
    return std::tuple{sim.Fft.TargetExponent, sim.Prbs.AutomaticDuration};
}

bool TakeFftProperties(Simulation& sim, const FftPropertiesDialog& dialog) {
    FftState& fft = sim.Fft;
    // A dialog without a chosen row keeps the size it had.
    if (dialog.List1 >= 0 && dialog.List1 < static_cast<int>(FftTargetSizes.size())) {
        fft.TargetExponent = dialog.List1 + FftTargetFirstExponent;
        fft.TargetSize = 1 << fft.TargetExponent;
        fft.HalfSize = fft.TargetSize / 2;
    }
    sim.Prbs.AutomaticDuration = !dialog.Manual;
    if (sim.CurrentForm > 0) sim.Windows.RequestRedraw(sim.CurrentForm);

    const double level = Val(dialog.Text1);
    if (level < 0) {
        sim.Ui.Message("FFT Phase min. level must not be negative");
        return false;
    }
    if (level >= LevelLimit) {
        sim.Ui.Message("FFT Phase min. level must not be 100% or greater");
        return false;
    }
    fft.PhaseMinimumLevel = static_cast<float>(level / PercentPerFraction);
    return true;
}

}  // namespace

FftPropertiesDialog LoadFftProperties(const Simulation& sim) {
    FftPropertiesDialog dialog;
    const auto* size = std::find(FftTargetSizes.begin(), FftTargetSizes.end(), sim.Fft.TargetSize);
    dialog.List1 = size == FftTargetSizes.end() ? -1 : static_cast<int>(std::distance(FftTargetSizes.begin(), size));
    dialog.Manual = !sim.Prbs.AutomaticDuration;
    dialog.Text1 = Format(static_cast<double>(sim.Fft.PhaseMinimumLevel) * PercentPerFraction, "#0.00");
    return dialog;
}

bool ApplyFftProperties(Simulation& sim, const FftPropertiesDialog& dialog) {
    sim.Status.CurrentActivity = "Setting FFT Properties";
    // The size and duration are saved with the model and taken even when the level is refused.
    const auto before = FftProperties(sim);
    const bool applied = TakeFftProperties(sim, dialog);
    sim.History.NoteSettings(before, FftProperties(sim));
    return applied;
}

}  // namespace quorvane
