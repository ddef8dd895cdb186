#include "model/catalogue.h"

#include <array>
#include <initializer_list>

#include "model/block_traits.h"
#include "platform/text.h"

namespace quorvane {

namespace {

/// The per-function texts, counts and flags of one catalogue entry. Labels of unused
/// constants are empty: the properties dialog hides an unlabelled constant.
struct Row {
    const char* Name;
    const char* Formula;
    int Inputs;
    int Outputs;
    int Turn;
    bool Saturation;
    bool InitialCondition;
    const char* ICLabel;
    const char* Caption;
    std::array<const char*, 3> Labels;
};

constexpr const char* IC = "Initial Condition";
constexpr const char* NoTC = "No Time Constants";
constexpr std::array<const char*, 3> None{"", "", ""};
constexpr std::array<const char*, 3> TimeConstantK{"Time Constant k", "", ""};
constexpr std::array<const char*, 3> Coefficients{"Coefficient A", "Coefficient B", ""};
constexpr std::array<const char*, 3> SineLabels{"Freq. w (rad/sec) : ", "Amplitude: ", ""};
constexpr std::array<const char*, 3> PidLabels{"Proportional", "Integral", "Derivative"};
constexpr std::array<const char*, 3> Converter{"Bits", "Min Range", "Max Range"};
constexpr std::array<const char*, 3> HysteresisLabels{"Input Range", "Hysteresis %", ""};
constexpr std::array<const char*, 3> Friction{"Static Friction", "Slip Friction", ""};

// "²" and "½" are the superscript-two and one-half characters of the toolbox tooltips.
constexpr std::array<Row, 64> Rows{{
    {"Zero", "Op=C", 0, 1, 0, false, true, "Zero Constant", "", None},
    {"Constant", "Op=C", 0, 2, 0, false, true, "Value", NoTC, None},
    {"Sum", "Op=(Ip1+Ip2+Ip3)", 3, 1, +1, false, false, IC, NoTC, None},
    {"Sum", "Op=(Ip1+Ip2+Ip3)", 3, 1, -1, false, false, IC, NoTC, None},
    {"Invert", "Op= - (Ip1+Ip2)", 2, 1, +1, false, false, IC, NoTC, None},
    {"Invert", "Op= - (Ip1+Ip2)", 2, 1, -1, false, false, IC, NoTC, None},
    {"Gain", "Op=G*Ip", 1, 1, +1, false, false, IC, "Gain Value", {"Gain", "", ""}},
    {"Gain", "Gain Op=G*Ip", 1, 1, -1, false, false, IC, "Gain Value", {"Gain", "", ""}},
    {"Integrate", "{Integrate} Op=Ip/ks", 1, 1, +1, true, true, IC, "Integrator Time Constant", TimeConstantK},
    {"Integrate", "{Integrate} Op=Ip/ks", 1, 1, -1, true, true, IC, "Integrator Time Constant", TimeConstantK},
    {"Lag", "{Lag} Op=Ip/(1+ks)", 1, 1, +1, false, true, IC, "Lag Time Constant", TimeConstantK},
    {"Lag", "{Lag} Op=Ip*/(1+ks)", 1, 1, -1, false, true, IC, "Lag Time Constant", TimeConstantK},
    {"Lead", "{Lead} Op=Ip*(1+ks)", 1, 1, +1, false, true, IC, "Lead Time Constant", TimeConstantK},
    {"Lead", "{Lead} Op=Ip*(1+ks)", 1, 1, -1, false, true, IC, "Lead Time Constant", TimeConstantK},
    {"d/dt", "{Differentiate} Op=Ip*ks", 1, 1, +1, false, true, IC, "Differentiator Time Constant", TimeConstantK},
    {"d/dt", "{Differentiate} Op=Ip*ks", 1, 1, -1, false, true, IC, "Differentiator Time Constant", TimeConstantK},
    {"Multiply", "Op=Ip1 * Ip2", 2, 1, +1, false, false, IC, NoTC, None},
    {"Multiply", "Op=Ip1 * Ip2", 2, 1, -1, false, false, IC, NoTC, None},
    {"Divide", "Op=Ip1/ Ip2", 2, 1, +1, false, false, IC, NoTC, None},
    {"Divide", "Op=Ip1/ Ip2", 2, 1, -1, false, false, IC, NoTC, None},
    {"Saturate", "Saturate", 1, 1, +1, true, false, IC, NoTC, None},
    {"Saturate", "Saturate - Limits output range", 1, 1, -1, true, false, IC, NoTC, None},
    {"2nd Lag", "Op=Ip/(As²+Bs+1)", 1, 1, +1, false, true, "Initial Condition: ", "2nd Order Coefficients", Coefficients},
    {"2nd Lag", "Op=Ip/(As²+Bs+1)", 1, 1, -1, false, true, "Initial Condition: ", "2nd Order Coefficients", Coefficients},
    {"2nd Lead", "Op=Ip.(As²+Bs+1)", 1, 1, +1, false, true, IC, "2nd Order Coefficients", Coefficients},
    {"2nd Lead", "Op=Ip.(As²+Bs+1)", 1, 1, -1, false, true, IC, "2nd Order Coefficients", Coefficients},
    {"Sine Wave", "Op= A.sin(Ip) or A.sin (w.t)", 1, 1, +1, false, false, IC, "Sin - Frequency & Amplitude", SineLabels},
    {"Sine Wave", "Op=A.sin(Ip) or A.sin(w.t)", 1, 1, -1, false, false, IC, "Sin - Frequency & Amplitude", SineLabels},
    {"Sq. Root", "Op = (Ip)½", 1, 1, +1, false, false, IC, NoTC, None},
    {"Sq. Root", "Op = (Ip)½", 1, 1, -1, false, false, IC, NoTC, None},
    {"Ln", "Op = Ln(Ip)", 1, 1, +1, false, false, IC, "Specify Value in place of zero", {"Zero Value", "", ""}},
    {"Ln", "OP = Ln(Ip)", 1, 1, -1, false, false, IC, "Specify Value in place of zero", {"Zero Value", "", ""}},
    {"Exponential", "Op = exp(Ip)", 1, 1, +1, false, false, IC, NoTC, None},
    {"Exponential", "Op = exp(ip1)", 1, 1, -1, false, false, IC, NoTC, None},
    {"Switch", "Op Switches from IC to K for Ip1>Ip2", 2, 1, +1, false, true, IC, "Switched Value", {"K", "", ""}},
    {"Switch", "Op Switches from IC to K for Ip1>Ip2", 2, 1, -1, false, true, IC, "switched Value", {"K", "", ""}},
    {"Controller", "PID Controller", 3, 1, +1, true, true, IC, "Three Controller Terms", PidLabels},
    {"Controller", "PID Controller", 3, 1, -1, true, true, IC, "Three Controller Terms", PidLabels},
    {"Delay", "Delay Line", 1, 1, +1, false, true, IC, "Delay Time", {"Delay Time", "", ""}},
    {"Delay", "Delay line", 1, 1, -1, false, true, IC, "Delay Time", {"Delay Time", "", ""}},
    {"Unit Ramp", "Op = Time", 0, 2, 0, false, false, IC, NoTC, None},
    {"PRBS", "PRBS Generator", 0, 2, 0, false, false, IC, "Sequence Characteristic",
     {"Bit length (2 to 11)", "Sequence Duration", "Amplitude (+-)"}},
    {"Display", "Display Data", 1, 0, +1, false, false, IC, NoTC, None},
    {"Display", "Display Data", 1, 0, -1, false, false, IC, NoTC, None},
    {"Delta", "Delta (FFT)", 0, 2, 0, false, false, IC, NoTC, None},
    {"Unused", "Unused", 1, 0, -1, false, false, IC, NoTC, None},
    {"Correlate PRBS", "PRBS Correlation", 1, 0, +1, false, false, IC, NoTC, None},
    {"Correlate PRBS", "PRBS Correlation", 1, 0, -1, false, false, IC, NoTC, None},
    {"", "Input Terminal", 0, 1, +1, false, false, IC, "Time Constants", {"Form", "Terminal", "Source Block"}},
    {"", "Input Terminal", 0, 1, -1, false, false, IC, "Time Constants", {"Form", "Terminal", "Source Block"}},
    {"", "Output Terminal", 1, 0, +1, false, false, IC, "No constants for this function", None},
    {"", "Output Terminal", 1, 0, -1, false, false, IC, "No constants for this function", None},
    {"DAC", "DAC", 1, 1, +1, false, false, IC, "DAC Resolution", Converter},
    {"DAC", "DAC", 1, 1, -1, false, false, IC, "DAC Resolution", Converter},
    {"ADC", "ADC", 1, 1, +1, false, false, IC, "ADC Resolution", Converter},
    {"ADC", "ADC", 1, 1, -1, false, false, IC, "ADC Resolution", Converter},
    {"Hysteresis", "Hysterisis", 1, 1, +1, false, false, IC, "Hysteris Band", HysteresisLabels},
    {"Hysteresis", "Hysterisis", 1, 1, -1, false, false, IC, "Hysteris Band", HysteresisLabels},
    {"StickSlip", "StickSlip / Deadband", 1, 1, +1, false, false, IC, "Friction ", Friction},
    {"Stickslip", "StickSlip / Deadband", 1, 1, -1, false, false, IC, "Friction", Friction},
    {"Chirp", "Chirp", 0, 4, 0, false, true, "Amplitude", "Settings ",
     {"Start Freq. (rad/s)", "End Freq. (rad/s)", "Time Span"}},
    {"Effective Freq.", "w ramp", 1, 1, +1, false, false, IC, NoTC, None},
    {"Effective Freq.", "w ramp", 1, 1, -1, false, false, IC, NoTC, None},
    {"Label", "Label", 0, 0, 0, false, false, IC, NoTC, None},
}};

struct Place {
    int X;
    int Y;
};

// Block images are 600 twips square; terminals sit on the left (0) or right (600) edge.
constexpr int LeftEdge = 0;
constexpr int RightEdge = 600;
constexpr int Middle = 300;

/// Writes terminal places 1, 2, ... into the given columns; a turned block has them mirrored
/// across its picture.
template <int Last>
void SetPlaces(Table<int, Last>& xs, Table<int, Last>& ys, std::initializer_list<Place> places, bool turned) {
    int k = 0;
    for (const Place& place : places) {
        ++k;
        xs[k] = turned ? RightEdge - place.X : place.X;
        ys[k] = place.Y;
    }
}

/// The terminals of each function as it faces right; the turned code mirrors them.
void SetTerminals(int code, BlockFunction& function) {
    const bool turned = TraitsOf(code).Turned;
    const auto inputs = [&](std::initializer_list<Place> places) {
        SetPlaces(function.InputX, function.InputY, places, turned);
    };
    const auto outputs = [&](std::initializer_list<Place> places) {
        SetPlaces(function.OutputX, function.OutputY, places, turned);
    };
    using enum FunctionCode;
    switch (BaseOf(code)) {
    case Zero: case InputTerminal:
        outputs({{RightEdge, Middle}});
        break;
    case Constant: case Prbs: case Delta:
        outputs({{LeftEdge, Middle}, {RightEdge, Middle}});
        break;
    case Sum: case Controller:
        inputs({{LeftEdge, 60}, {LeftEdge, Middle}, {LeftEdge, 560}});
        outputs({{RightEdge, Middle}});
        break;
    case Invert: case Multiply: case Divide: case Switch:
        inputs({{LeftEdge, 180}, {LeftEdge, 420}});
        outputs({{RightEdge, Middle}});
        break;
    case Gain: case Integrate: case Lag: case Lead: case Differentiate: case Saturate:
    case SecondOrderLag: case SecondOrderLead: case SineWave:
    case SquareRoot: case Ln: case Exponential: case Delay: case Dac: case Adc: case Hysteresis:
    case StickSlip:
        inputs({{LeftEdge, Middle}});
        outputs({{RightEdge, Middle}});
        break;
    case UnitRamp:
        outputs({{RightEdge, Middle}, {LeftEdge, Middle}});
        break;
    case Display: case CorrelatePrbs: case OutputTerminal:
        inputs({{LeftEdge, Middle}});
        break;
    case Unused:   // a single code, drawn as if turned
        inputs({{RightEdge, Middle}});
        break;
    case Chirp:
        outputs({{RightEdge, 180}, {LeftEdge, 180}, {LeftEdge, 0}, {LeftEdge, 0}});
        break;
    case EffectiveFrequency:
        inputs({{LeftEdge, 180}});
        outputs({{RightEdge, 420}});
        break;
    default:   // 63, the Label block, has no terminals
        break;
    }
}

// Every code but 0 starts from these before its own texts are filled in; entry 64 keeps them.
void SetDefaults(BlockFunction& function) {
    function.ICLabel = "Initial Condition";
    function.ConstantsCaption = "Time Constants";
    for (int k = 1; k <= 3; ++k) function.ConstantLabel[k] = "TC" + Str(k) + ": ";
    function.TurnOffset = 0;
}

// Hit box of a terminal: 100 twips to the right of its point, 40 above to 119 below.
bool InHitBox(int terminalX, int terminalY, int x, int y) {
    return x >= terminalX && x <= terminalX + 100 && y >= terminalY - 40 && y <= terminalY + 119;
}

bool IsCatalogued(int functionCode) {
    return functionCode >= 0 && functionCode < static_cast<int>(Rows.size());
}

}  // namespace

void BuildCatalogue(Catalogue& catalogue) {
    catalogue.Fill(BlockFunction{});
    for (int code = 1; code <= FunctionCodeLast; ++code) SetDefaults(catalogue[code]);
    for (int code = 0; code < static_cast<int>(Rows.size()); ++code) {
        const Row& row = Rows[static_cast<std::size_t>(code)];
        BlockFunction& function = catalogue[code];
        function.Name = row.Name;
        function.Formula = row.Formula;
        function.InputCount = row.Inputs;
        function.OutputCount = row.Outputs;
        function.TurnOffset = row.Turn;
        function.HasSaturation = row.Saturation;
        function.HasInitialCondition = row.InitialCondition;
        function.ICLabel = row.ICLabel;
        function.ConstantsCaption = row.Caption;
        for (int k = 1; k <= 3; ++k) function.ConstantLabel[k] = row.Labels[static_cast<std::size_t>(k - 1)];
        SetTerminals(code, function);
    }
}

int InputTerminalAt(const Catalogue& catalogue, int functionCode, int x, int y) {
    if (!IsCatalogued(functionCode)) return 0;
    const BlockFunction& function = catalogue[functionCode];
    for (int k = 1; k <= function.InputCount; ++k) {
        if (InHitBox(function.InputX[k], function.InputY[k], x, y)) return k;
    }
    return 0;
}

int OutputTerminalAt(const Catalogue& catalogue, int functionCode, int x, int y) {
    if (!IsCatalogued(functionCode)) return 0;
    const BlockFunction& function = catalogue[functionCode];
    for (int t = 1; t <= function.OutputCount; ++t) {
        if (InHitBox(function.OutputX[t], function.OutputY[t], x, y)) return t;
    }
    return 0;
}

}  // namespace quorvane
