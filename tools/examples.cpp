#include "examples.h"

#include <array>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <utility>

#include "editing/block_edit.h"
#include "editing/connection_route.h"
#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "model/desktop.h"
#include "model/function_code.h"
#include "storage/data_file_writer.h"

namespace quorvane {

namespace {

using enum FunctionCode;
using Point = std::pair<int, int>;

/// Messages go to the error stream; the date is fixed so that the files do not change with the
/// day they are written.
class ExampleHost : public Host {
public:
    void Message(const std::string& text, const std::string&) override { std::cerr << text << "\n"; }
    using Host::Message;
    bool Ask(const std::string&, const std::string&, Answer) override { return false; }
    using Host::Ask;
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
    void Info(const std::string&) override {}
    void PlaySound(Sound) override {}
    CalendarDate Today() override { return {2026, 12, 6}; }
    double SecondsSinceMidnight() override { return 0; }
    double ElapsedSeconds() override { return 0; }
};

struct Run {
    float Stop = 10;
    float PrintInterval = 1;
    float GraphInterval = 0.1f;
    std::string Units = "sec";
    bool Fft = false;
    bool Correlation = false;
};

struct Part {
    std::string Title{};
    std::string Units{};
    float InitialCondition = 0;
    std::array<float, 3> K{};
    float Low = NoLowLimit;
    float High = NoHighLimit;
};

/// One model being laid out on the 120-twip grid: blocks placed, connections routed as the
/// sheet routes them, each form's sheet at its place.
class Example {
public:
    Example(const std::string& title, const Run& run) : Sim(std::make_unique<Simulation>(Ui(), Windows())) {
        NewSimulation(*Sim);
        Settings& settings = Sim->Run;
        settings.SimulationTitle = title;
        settings.StopTime = run.Stop;
        settings.PrintInterval = run.PrintInterval;
        settings.GraphInterval = run.GraphInterval;
        settings.TimeUnits = run.Units;
        settings.FftEnabled = Sim->Fft.FftFlag = run.Fft;
        settings.CorrelationEnabled = run.Correlation;
        settings.AnnotateBlocks = true;
        // The frequency window opens showing both magnitude and phase.
        Sim->Fft.ShowMagnitude = Sim->Fft.ShowPhase = true;
        Sim->RunForm = 1;
        Sim->GraphWindow.Top = 4000;
        Sim->GraphWindow.Left = 1500;
        Sim->TabulationWindow.Top = 4500;
        Sim->TabulationWindow.Left = 2000;
    }

    /// Starts the next form (slot 1 is there from the start) with its sheet at (top, left); the
    /// sheets open right of the toolbox (Left 50, Width 2000), which would otherwise hide them.
    void Form(const std::string& title, int top = 1200, int left = 2100) {
        Current = Current == 0 ? 1 : AllocateForm(*Sim);
        SimulationForm& form = Sim->Forms[Current];
        form.Title = title;
        form.Window = {top, left, 11400, 7200};
    }

    int Add(FunctionCode code, int left, int top, const Part& part = {}) {
        SimulationForm& form = Sim->Forms[Current];
        const int b = ++form.BlockCount;
        Block& block = form.Blocks[b];
        block.FunctionCode = CodeNumber(code);
        block.Left = left;
        block.Top = top;
        block.Title = part.Title;
        block.Units = part.Units;
        block.InitialCondition = part.InitialCondition;
        // A constant's output is its value from the moment it is set.
        if (code == Constant) block.Output = part.InitialCondition;
        for (int k = 1; k <= 3; ++k) block.Constant[k] = part.K[static_cast<std::size_t>(k - 1)];
        block.SatLow = part.Low;
        block.SatHigh = part.High;
        return b;
    }

    Point InputAnchor(int b, int k) const {
        const Block& block = Sim->Forms[Current].Blocks[b];
        const BlockFunction& function = Sim->Functions[block.FunctionCode];
        return {Snap(block.Left + function.InputX[k] + 30), Snap(block.Top + function.InputY[k] + 60)};
    }

    /// Output `output` of block `from` to input `input` of block `to`: the sheet's three-line
    /// route, or straight lines through the bend points given.
    void Connect(int from, int output, int to, int input, const std::vector<Point>& via = {}) {
        SimulationForm& form = Sim->Forms[Current];
        const Block& source = form.Blocks[from];
        const BlockFunction& function = Sim->Functions[source.FunctionCode];
        const Point start{Snap(source.Left + function.OutputX[output] + 60),
                          Snap(source.Top + function.OutputY[output] + 60)};
        const Point end = InputAnchor(to, input);
        std::vector<ConnectionLine> lines;
        if (via.empty()) {
            for (const ConnectionLine& line : DirectRoute(start.first, start.second, end.first, end.second))
                lines.push_back(line);
        } else {
            Point at = start;
            for (const Point& next : via) {
                lines.push_back({at.first, at.second, next.first, next.second});
                at = next;
            }
            lines.push_back({at.first, at.second, end.first, end.second});
        }
        if (form.Blocks[to].Input[input] != 0) throw std::logic_error("input taken: " + form.Blocks[to].Title);
        form.Blocks[to].Input[input] = from;
        form.Connections[form.NextConnection++] = {input, to, from, output, static_cast<int>(lines.size()),
                                                   form.NextLine};
        for (const ConnectionLine& line : lines) form.Lines[form.NextLine++] = line;
    }

    /// A terminal-link entry of the current form.
    void Terminal(int block, int outputBlock) {
        SimulationForm& form = Sim->Forms[Current];
        form.Terminals[++form.TermCount] = {block, outputBlock};
    }

    void Write(const std::filesystem::path& path) const {
        const std::optional<std::string> text = SimulationText(*Sim, path.filename().string());
        if (!text) throw std::runtime_error("form slots out of step in " + path.string());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << *text;
        out.flush();
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }

private:
    static Host& Ui() {
        static ExampleHost host;
        return host;
    }
    static Desktop& Windows() {
        static NullDesktop windows;
        return windows;
    }

    std::unique_ptr<Simulation> Sim;
    int Current = 0;
};

Example FirstOrderLag() {
    Example m("First Order Lag", {.Stop = 10, .PrintInterval = 0.5f});
    m.Form("Step response of a first-order lag");
    const int demand = m.Add(Constant, 960, 1440, {"Step Demand", "V", 1});
    const int lag = m.Add(Lag, 2880, 1440, {"Lag Output", "V", 0, {1}});
    const int d1 = m.Add(Display, 4800, 1440, {"Display"});
    const int d0 = m.Add(Display, 4800, 2640, {"Display"});
    m.Connect(demand, 2, lag, 1);
    m.Connect(lag, 1, d1, 1);
    m.Connect(demand, 2, d0, 1, {{1920, 1800}, {1920, 3000}});
    return m;
}

Example IntegratorOfSine() {
    Example m("Integrator of a Sine", {.Stop = 20});
    m.Form("Integral of a sine wave");
    const int sine = m.Add(SineWave, 960, 1440, {"Velocity", "m/s", 0, {0.628f, 1}});
    const int integrator = m.Add(Integrate, 2880, 1440, {"Position", "m", 0, {1}});
    const int d1 = m.Add(Display, 4800, 1440, {"Display"});
    const int d2 = m.Add(Display, 4800, 2640, {"Display"});
    m.Connect(sine, 1, integrator, 1);
    m.Connect(integrator, 1, d1, 1);
    m.Connect(sine, 1, d2, 1, {{1920, 1800}, {1920, 3000}});
    return m;
}

Example MassSpringDamper() {
    // m x'' + c x' + k x = F with m = 1 kg, c = 0.8 N s/m, k = 4 N/m: x / (F / k) = 1 / (A s² + B s + 1).
    Example m("Mass Spring Damper", {.Stop = 20, .GraphInterval = 0.05f});
    m.Form("Mass-spring-damper step response");
    const int force = m.Add(Constant, 960, 1440, {"Force / Stiffness", "m", 0.25f});
    const int plant = m.Add(SecondOrderLag, 2880, 1440, {"Displacement", "m", 0, {0.25f, 0.2f}});
    const int d1 = m.Add(Display, 4800, 1440, {"Display"});
    m.Connect(force, 2, plant, 1);
    m.Connect(plant, 1, d1, 1);
    return m;
}

Example PidTemperatureLoop() {
    Example m("PID Temperature Loop", {.Stop = 600, .PrintInterval = 20, .GraphInterval = 2});
    m.Form("Oven temperature control");
    const int demand = m.Add(Constant, 480, 2040, {"Set Point", "degC", 80});
    const int pid = m.Add(Controller, 2160, 1680, {"Heater Demand", "kW", 0, {0.5f, 60, 5}, 0, 10});
    const int heater = m.Add(Saturate, 3840, 1680, {"Heater Power", "kW", 0, {}, 0, 5});
    const int gain = m.Add(Gain, 5520, 1680, {"Heat Flow", "degC", 0, {20}});
    const int oven = m.Add(Lag, 7200, 1680, {"Oven Temperature", "degC", 0, {120}});
    const int sensor = m.Add(LagTurned, 5520, 3480, {"Measured Temperature", "degC", 0, {5}});
    const int d1 = m.Add(Display, 9120, 1680, {"Display"});
    const int d2 = m.Add(Display, 5520, 600, {"Display"});
    const int d3 = m.Add(Display, 3840, 600, {"Display"});
    m.Connect(demand, 2, pid, 2);
    m.Connect(pid, 1, heater, 1);
    m.Connect(heater, 1, gain, 1);
    m.Connect(gain, 1, oven, 1);
    m.Connect(oven, 1, d1, 1);
    m.Connect(oven, 1, sensor, 1, {{8520, 2040}, {8520, 3840}});
    m.Connect(sensor, 1, pid, 1, {{1800, 3840}, {1800, 1800}});
    m.Connect(heater, 1, d2, 1, {{4920, 2040}, {4920, 960}});
    m.Connect(pid, 1, d3, 1, {{3240, 2040}, {3240, 960}});
    return m;
}

Example SquareWaveSpectrum() {
    Example m("Square Wave Spectrum", {.Stop = 20, .Fft = true});
    m.Form("Square wave through a lag");
    const int sine = m.Add(SineWave, 480, 1440, {"Carrier", "", 0, {3.14159f, 1}});
    const int zero = m.Add(Constant, 480, 2640, {"Threshold", "", 0});
    const int square = m.Add(Switch, 2160, 1440, {"Square Wave", "V", -1, {1}});
    const int lag = m.Add(Lag, 3840, 1440, {"Filtered", "V", 0, {0.2f}});
    const int d1 = m.Add(Display, 5520, 1440, {"Display"});
    const int d2 = m.Add(Display, 5520, 2640, {"Display"});
    m.Connect(sine, 1, square, 1);
    m.Connect(zero, 2, square, 2);
    m.Connect(square, 1, lag, 1);
    m.Connect(lag, 1, d1, 1);
    m.Connect(square, 1, d2, 1, {{3240, 1800}, {3240, 3000}});
    return m;
}

Example PrbsIdentification() {
    Example m("PRBS Identification", {.Stop = 100, .Correlation = true});
    m.Form("Identifying a second-order plant");
    const int prbs = m.Add(Prbs, 960, 1440, {"Test Signal", "V", 0, {7, 100, 1}});
    const int plant = m.Add(SecondOrderLag, 3840, 1440, {"Plant Output", "V", 0, {1, 1}});
    const int correlator = m.Add(CorrelatePrbs, 6240, 2640, {"Correlator"});
    const int d1 = m.Add(Display, 6240, 1440, {"Display"});
    const int d2 = m.Add(Display, 6240, 360, {"Display"});
    m.Connect(prbs, 2, plant, 1);
    m.Connect(plant, 1, d1, 1);
    m.Connect(plant, 1, correlator, 1, {{5280, 1800}, {5280, 3000}});
    m.Connect(prbs, 2, d2, 1, {{2400, 1800}, {2400, 720}});
    return m;
}

Example ChirpResponse() {
    Example m("Chirp Response", {.Stop = 50, .GraphInterval = 0.05f});
    m.Form("Chirp through a lag");
    const int chirp = m.Add(Chirp, 960, 1440, {"Chirp", "V", 1, {0.1f, 5, 50}});
    const int lag = m.Add(Lag, 2880, 1440, {"Lag Output", "V", 0, {0.5f}});
    const int frequency = m.Add(EffectiveFrequency, 2880, 2760, {"Frequency", "Hz"});
    const int d1 = m.Add(Display, 4800, 1440, {"Display"});
    const int d2 = m.Add(Display, 4800, 2880, {"Display"});
    const int d3 = m.Add(Display, 4800, 360, {"Display"});
    m.Connect(chirp, 1, lag, 1);
    m.Connect(lag, 1, d1, 1);
    m.Connect(chirp, 1, frequency, 1, {{2160, 1680}, {2160, 3000}});
    m.Connect(frequency, 1, d2, 1);
    m.Connect(chirp, 1, d3, 1, {{2280, 1680}, {2280, 720}});
    return m;
}

Example NonlinearElements() {
    Example m("Quantisation Hysteresis Friction", {.Stop = 20, .GraphInterval = 0.05f});
    m.Form("Nonlinear elements side by side");
    const int sine = m.Add(SineWave, 480, 2640, {"Input", "V", 0, {0.628f, 2}});
    const std::array elements{m.Add(Dac, 2880, 480, {"DAC 3 bit", "V", 0, {3, -2, 2}}),
                              m.Add(Adc, 2880, 1680, {"ADC 4 bit", "V", 0, {4, -2, 2}}),
                              m.Add(Hysteresis, 2880, 2880, {"Hysteresis", "V", 0, {2, 40}}),
                              m.Add(StickSlip, 2880, 4080, {"Stick Slip", "V", 0, {0.5f, 0.3f}})};
    std::array<int, 5> displays{};
    int top = 480;
    for (int& display : displays) {
        display = m.Add(Display, 4800, top, {"Display"});
        top += 1200;
    }
    for (int element : elements) m.Connect(sine, 1, element, 1, {{1800, 3000}, {1800, m.InputAnchor(element, 1).second}});
    for (std::size_t i = 0; i < elements.size(); ++i) m.Connect(elements[i], 1, displays[i], 1);
    m.Connect(sine, 1, displays[4], 1, {{1560, 3000}, {1560, 5640}});
    return m;
}

Example TransportDelay() {
    Example m("Transport Delay", {.Stop = 20});
    m.Form("A pure time delay");
    const int sine = m.Add(SineWave, 960, 1440, {"Inlet Temperature", "degC", 0, {0.5f, 10}});
    const int delay = m.Add(Delay, 2880, 1440, {"Outlet Temperature", "degC", 0, {2}});
    const int d1 = m.Add(Display, 4800, 1440, {"Display"});
    const int d2 = m.Add(Display, 4800, 2640, {"Display"});
    m.Connect(sine, 1, delay, 1);
    m.Connect(delay, 1, d1, 1);
    m.Connect(sine, 1, d2, 1, {{1920, 1800}, {1920, 3000}});
    return m;
}

Example TwoSheets() {
    Example m("Two Sheet Model", {.Stop = 10, .PrintInterval = 0.5f});
    m.Form("Controller sheet");
    const int demand = m.Add(Constant, 960, 1440, {"Demand", "V", 1});
    const int drive = m.Add(Gain, 2880, 1440, {"Drive", "V", 0, {2}});
    const int toPlant = m.Add(OutputTerminal, 4800, 1440, {"To plant"});
    const int d1 = m.Add(Display, 4800, 2640, {"Display"});
    m.Connect(demand, 2, drive, 1);
    m.Connect(drive, 1, toPlant, 1);
    m.Connect(drive, 1, d1, 1, {{3840, 1800}, {3840, 3000}});
    m.Terminal(toPlant, toPlant);
    m.Form("Plant sheet", 1560, 2700);
    const int fromController = m.Add(InputTerminal, 960, 1440, {"From controller", "", 0, {1, 1, static_cast<float>(toPlant)}});
    const int lag = m.Add(Lag, 2880, 1440, {"Plant Output", "V", 0, {2}});
    const int d2 = m.Add(Display, 4800, 1440, {"Display"});
    m.Connect(fromController, 1, lag, 1);
    m.Connect(lag, 1, d2, 1);
    m.Terminal(fromController, 0);
    return m;
}

}  // namespace

std::vector<std::string> WriteExamples(const std::filesystem::path& folder) {
    const std::pair<const char*, std::function<Example()>> examples[] = {
        {"First Order Lag.vqe", FirstOrderLag},
        {"Integrator of a Sine.vqe", IntegratorOfSine},
        {"Mass Spring Damper.vqe", MassSpringDamper},
        {"PID Temperature Loop.vqe", PidTemperatureLoop},
        {"Square Wave Spectrum.vqe", SquareWaveSpectrum},
        {"PRBS Identification.vqe", PrbsIdentification},
        {"Chirp Response.vqe", ChirpResponse},
        {"Quantisation Hysteresis Friction.vqe", NonlinearElements},
        {"Transport Delay.vqe", TransportDelay},
        {"Two Sheet Model.vqe", TwoSheets},
    };
    std::vector<std::string> written;
    for (const auto& [name, make] : examples) {
        make().Write(folder / name);
        written.emplace_back(name);
    }
    return written;
}

}  // namespace quorvane
