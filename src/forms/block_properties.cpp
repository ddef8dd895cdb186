#include "forms/block_properties.h"

#include "analysis/nice_interval.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/circle_constants.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int NoGroupsHeight = 1500;
constexpr int SaturationOnlyHeight = 2800;
constexpr int InitialOnlyHeight = 2400;
constexpr int DelayLineLength = 30000;   ///< samples a delay line holds

std::string LimitText(float value, float sentinel) {
    return value == sentinel ? std::string(NoLimitText) : FloatText(value);
}

}  // namespace

bool HasAdjustableProperties(int functionCode) { return BaseOf(functionCode) != FunctionCode::Display; }

std::optional<HelpTopic> OfferDisplayHelp(Simulation& sim, int functionCode) {
    if (sim.Ui.Ask("No Adjustable properties - Do you want to view help?", "Quorvane")) return BlockHelp(functionCode);
    return std::nullopt;
}

BlockPropertiesFields ActivateBlockProperties(const Simulation& sim, int form, int block) {
    const Block& b = sim.Forms[form].Blocks[block];
    const int code = b.FunctionCode;
    const BlockFunction& function = sim.Functions[code];
    BlockPropertiesFields f;
    f.Form = form;
    f.Block = block;
    f.FunctionCode = code;
    f.Caption = sim.Forms[form].Title + " (Block " + Str(block) + ")       " + function.Formula;

    f.ConstantsCaption = function.ConstantsCaption;
    f.InitialCaption = function.ICLabel;
    f.SaturationCaption = BaseOf(code) == FunctionCode::Controller ? "Integral Wind-up Limits" : "Saturation Levels";
    f.InitialVisible = function.HasInitialCondition;
    f.SaturationVisible = function.HasSaturation;
    f.ConstantsVisible = !function.ConstantLabel[1].empty();
    if (!f.ConstantsVisible) {
        if (!f.SaturationVisible && !f.InitialVisible) f.Height = NoGroupsHeight;
        else if (!f.InitialVisible) f.Height = SaturationOnlyHeight;
        else if (!f.SaturationVisible) f.Height = InitialOnlyHeight;
    }

    f.Title = b.Title;
    f.Units = b.Units;
    f.InitialCondition = FloatText(b.InitialCondition);
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        f.ConstantLabel[i] = function.ConstantLabel[k];
        f.ConstantVisible[i] = !function.ConstantLabel[k].empty();
        if (f.ConstantVisible[i]) f.Constant[i] = FloatText(b.Constant[k]);
    }
    f.Low = LimitText(b.SatLow, NoLowLimit);
    f.High = LimitText(b.SatHigh, NoHighLimit);
    f.CurrentOutput = FloatText(b.Output);

    const bool hertz = sim.Run.FrequencyInHz;
    using enum FunctionCode;
    switch (CodeOf(code)) {
    case SineWave: case SineWaveTurned:   // Sine Wave
        if (hertz) {
            f.ConstantLabel[0] = "Freq F (Hz)";
            f.Constant[0] = Format(b.Constant[1] / RadiansPerCycle, "###0.0###");
        }
        if (b.Input[1] != 0) {
            f.Constant[0] = "Externally set";
            f.ConstantEnabled[0] = false;
        }
        break;
    case Delay: case DelayTurned:   // Delay Line: the longest delay its store holds at this time step
        f.ConstantsCaption += " (" + sim.Run.TimeUnits + ")";
        f.ConstantLabel[1] = "(Maximum delay ";
        f.ConstantLabel[2] = Format(DelayLineLength * static_cast<double>(sim.Run.TimeStep), "###0.###") + " " +
                             sim.Run.TimeUnits + ")";
        break;
    case Prbs:   // PRBS generator
        if (sim.Prbs.AutomaticDuration) {
            f.Constant[1] = "AUTO";
            f.Constant2Auto = true;
        }
        break;
    case Chirp:   // Chirp
        f.TimeSpanVisible = true;
        f.TimeSpanEnabled = true;
        f.TimeSpanToolTip = "This runs CHIRP to the Simulation Stop Time";
        if (hertz) {
            f.ConstantLabel[0] = "Start Freq.(Hz)";
            f.ConstantLabel[1] = "End Freq.(Hz)";
            f.Constant[0] = Format(b.Constant[1] / RadiansPerCycle, "####0.0###");
            f.Constant[1] = Format(b.Constant[2] / RadiansPerCycle, "####0.0###");
        }
        f.TimeSpanChecked = b.Work[3] == 1.0f;
        if (f.TimeSpanChecked) {
            f.ConstantEnabled[2] = false;
            f.Constant[2] = FloatText(sim.Run.StopTime);
        }
        break;
    default:
        break;
    }
    f.ShownConstant = f.Constant;
    return f;
}

void SetAutomaticTimeSpan(Simulation& sim, BlockPropertiesFields& fields, bool on) {
    EditStep step(sim.History, sim);
    Block& b = sim.Forms[fields.Form].Blocks[fields.Block];
    b.Work[3] = on ? 1.0f : 0.0f;
    fields.TimeSpanChecked = on;
    fields.ConstantEnabled[2] = !on;
    fields.Constant[2] = FloatText(on ? sim.Run.StopTime : b.Constant[3]);
}

void UpdateRecommendedSpan(const Simulation& sim, BlockPropertiesFields& fields) {
    const double start = Val(fields.Constant[0]);
    if (CodeOf(fields.FunctionCode) != FunctionCode::Chirp || !(start > 0)) return;
    // Ten periods of the start frequency (taken as radians per second).
    fields.Constant3ToolTip = "Recommended Time Span: " + Str(RoundToNiceInterval(sim, 10 * TwoPiSixFigures / start));
}

}  // namespace quorvane
