#include <algorithm>
#include <cctype>
#include <string>

#include "drawing/plot_axes.h"
#include "engine/simulation.h"
#include "forms/block_properties.h"
#include "forms/edit_target.h"
#include "model/block_traits.h"
#include "platform/circle_constants.h"
#include "platform/text.h"

namespace quorvane {

namespace {

bool HoldsNone(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::ranges::equal(text, NoLimitText, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// A typed number as the float table holds it: beyond the float range it stays at the largest
// float rather than becoming infinite.
float Stored(double value) { return SettingValue(value); }

class BlockStore {
public:
    BlockStore(Simulation& sim, const BlockPropertiesFields& fields)
        : Sim(sim), Fields(fields), B(sim.Forms[fields.Form].Blocks[fields.Block]), Code(B.FunctionCode),
          Kind(BaseOf(Code)), Function(sim.Functions[Code]) {}

    BlockStoreResult Run() {
        B.Title = Fields.Title;
        B.Units = Fields.Units;
        B.InitialCondition = Stored(Val(Fields.InitialCondition));
        if (Kind == FunctionCode::Constant) B.Output = B.InitialCondition;
        if (!StoreLimits()) return Refused(BlockField::Saturation);
        if (HasConstant(1) && !StoreConstant1()) return Refused(BlockField::Constant1);
        if (HasConstant(2) && !StoreConstant2()) return Refused(BlockField::Constant2);
        if (HasConstant(3) && !StoreConstant3()) return Refused(BlockField::Constant3);
        Sim.Windows.RequestRedraw(Fields.Form);
        return {BlockStoreOutcome::Stored, BlockField::None};
    }

private:
    static BlockStoreResult Refused(BlockField field) { return {BlockStoreOutcome::Refused, field}; }

    bool HasConstant(int k) const { return !Function.ConstantLabel[k].empty(); }
    const std::string& Label(int k) const { return Fields.ConstantLabel[static_cast<std::size_t>(k - 1)]; }
    // A constant in stored units: frequencies typed in hertz become radians per second.
    double Value(int k) const {
        const auto i = static_cast<std::size_t>(k - 1);
        const bool chirp = Kind == FunctionCode::Chirp;
        const bool frequency = (k == 1 && (chirp || Kind == FunctionCode::SineWave)) || (k == 2 && chirp);
        if (!frequency || !Sim.Run.FrequencyInHz) return Val(Fields.Constant[i]);
        if (Fields.Constant[i] == Fields.ShownConstant[i]) return B.Constant[k];
        return RadiansPerCycle * Val(Fields.Constant[i]);
    }

    bool Refuse(const std::string& message) {
        Sim.Ui.Message(message);
        return false;
    }
    bool Keep(int k, double value) {
        B.Constant[k] = Stored(value);
        return true;
    }

    // "none" leaves its side unlimited, so a single limit can be set on its own.
    bool StoreLimits() {
        const float low = HoldsNone(Fields.Low) ? NoLowLimit : Stored(Val(Fields.Low));
        const float high = HoldsNone(Fields.High) ? NoHighLimit : Stored(Val(Fields.High));
        if (high > low) {
            B.SatLow = low;
            B.SatHigh = high;
            return true;
        }
        if (low > high) return Refuse("The Low saturation limits exceeds the High saturation limit");
        return Refuse("Saturation levels cannot be the same");
    }

    bool StoreConstant1() {
        const double v = Value(1);
        if (v > 0) {
            if (Kind == FunctionCode::Prbs) {   // bit length
                if (v < 2 || v > 11) return Refuse("bit length must be in the range 2 to 11");
                if (v == 8) return Refuse("bit length cannot be 8");
            }
            return Keep(1, v);
        }
        switch (Kind) {
        case FunctionCode::Lead:   // Lead: a negative time constant is allowed
            return v == 0 ? Refuse(Label(1) + " cannot be zero") : Keep(1, v);
        case FunctionCode::SineWave:
            // Sine Wave: the frequency comes from input 1 when it is connected
            return B.Input[1] != 0 || Refuse(Label(1) + " cannot be negative or zero");
        case FunctionCode::Switch:
            return Keep(1, v);
        case FunctionCode::Delay: case FunctionCode::Hysteresis:
            return v < 0 ? Refuse(Label(1) + " cannot be negative") : Keep(1, v);
        default:
            return Refuse(Label(1) + " cannot be negative or zero");
        }
    }

    bool StoreConstant2() {
        const double v = Value(2);
        if (v > 0) {
            if (Kind == FunctionCode::StickSlip) {   // slip friction up to the static friction
                if (Stored(v) > B.Constant[1]) return Refuse(Label(2) + " most be less than or equal to " + Label(1));
            } else if (Kind == FunctionCode::Chirp) {   // the end frequency above the start frequency
                if (!(Stored(v) > B.Constant[1])) return Refuse(Label(2) + " must be greater than " + Label(1));
            }
            return Keep(2, v);
        }
        switch (Kind) {
        case FunctionCode::Prbs:   // PRBS: the duration is worked out by the run
            return Sim.Prbs.AutomaticDuration || Refuse(Label(2) + " cannot be negative or zero");
        case FunctionCode::Dac: case FunctionCode::Adc:   // the minimum
            return Keep(2, v);
        case FunctionCode::Hysteresis:
            return v < 0 ? Refuse(Label(2) + " cannot be negative") : Keep(2, v);
        default:
            return Refuse(Label(2) + " cannot be negative or zero");
        }
    }

    bool StoreConstant3() {
        const double v = Value(3);
        if (Kind == FunctionCode::Dac || Kind == FunctionCode::Adc) {   // the maximum above the minimum
            if (!(Stored(v) > B.Constant[2])) return Refuse(Label(3) + " must exceed " + Label(2));
            return Keep(3, v);
        }
        if (v > 0) return Keep(3, v);
        // Chirp: with the automatic time span the run goes to the stop time.
        if (Kind == FunctionCode::Chirp && B.Work[3] == 1.0f) return true;
        return Refuse(Label(3) + " cannot be negative or zero");
    }

    Simulation& Sim;
    const BlockPropertiesFields& Fields;
    Block& B;
    const int Code;
    const FunctionCode Kind;   ///< both orientations alike
    const BlockFunction& Function;
};

}  // namespace

BlockStoreResult StoreBlockProperties(Simulation& sim, const BlockPropertiesFields& fields) {
    EditStep step(sim.History, sim);
    if (!TargetHolds(sim, fields.Form, fields.Block, fields.FunctionCode))
        return {BlockStoreOutcome::TargetGone, BlockField::None};
    return BlockStore(sim, fields).Run();
}

}  // namespace quorvane
