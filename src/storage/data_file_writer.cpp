#include "storage/data_file_writer.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "storage/file_title.h"
#include "storage/line_writer.h"

namespace quorvane {

namespace {

// The allocated slots in ascending order, FormCount of them; no value when there are fewer.
std::optional<std::vector<int>> SavedForms(const Model& model) {
    std::vector<int> forms;
    int slot = 0;
    for (int n = 1; n <= model.FormCount; ++n) {
        do {
            ++slot;
        } while (slot <= FormSlots && model.Forms[slot].InUse <= 0);
        if (slot > FormSlots) return std::nullopt;
        forms.push_back(slot);
    }
    return forms;
}

// Entries are never compacted, so a used entry may sit above TermCount after an earlier one was
// freed; the section runs to the highest used entry so that none is lost.
int TerminalEntriesWritten(const SimulationForm& form) {
    int last = std::clamp(form.TermCount, 0, TerminalTableLast);
    for (int i = last + 1; i <= TerminalTableLast; ++i) {
        if (form.Terminals[i].TermBlk != 0 || form.Terminals[i].OpBlk != 0) last = i;
    }
    return last;
}

void WriteHeader(LineWriter& out, const Simulation& sim, const std::string& nameLine) {
    const Settings& run = sim.Run;
    out.Text(nameLine);
    out.Text(run.SimulationTitle + " " + FormatDate(sim.Ui.Today(), "dd mmm yy"));
    out.Float(run.StartTime);
    out.Float(run.StopTime);
    out.Float(run.TimeStep);
    out.Text(run.TimeUnits);
    out.Float(run.PrintInterval);
    out.Float(run.GraphInterval);
    out.Integer(run.DataColumnFormatMode);
    out.Integer(run.DataDigitsBefore);
    out.Integer(run.DataDigitsAfter);
    out.Integer(run.TimeColumnFormatMode);
    out.Integer(run.TimeDigitsBefore);
    out.Integer(run.TimeDigitsAfter);
    for (bool option : {run.AnnotateBlocks, run.ShowOutputs, run.GraphicalOutput, run.TabulationOutput,
                        run.FftEnabled, run.CorrelationEnabled, run.ManualTimeStep}) {
        out.Boolean(option);
    }
    out.Text(run.SimulationTitle);
    out.Integer(sim.FormCount);
    out.Integer(sim.RunForm);
}

void WriteFormSection(LineWriter& out, const SimulationForm& form, int f) {
    out.Integer(f);
    out.Integer(form.BlockCount);
    out.Integer(form.RegId);
    out.Text(form.Title);
    out.Marker("Block information for form:", f);
    for (int b = 1; b <= form.BlockCount; ++b) WriteBlockRecord(out, form.Blocks[b], b);
    WriteConnectionRecords(out, form, f);
    out.Text("Form Position");
    for (const auto* value : {&form.Window.Top, &form.Window.Left, &form.Window.Width, &form.Window.Height}) {
        out.Number(*value);
    }
}

void WriteTerminalSection(LineWriter& out, const Model& model, int f) {
    const SimulationForm& form = model.Forms[f];
    out.Marker("Termination and Misc information for form:", f);
    const int entries = TerminalEntriesWritten(form);
    out.Integer(entries);
    for (int i = 1; i <= entries; ++i) {
        out.Integer(form.Terminals[i].TermBlk);
        out.Integer(form.Terminals[i].OpBlk);
    }
    out.Integer(form.SpareLong);
    out.Float(form.SpareHigh);
    out.Float(form.SpareLow);
    out.Integer(form.SpareLong2);
    out.Float(form.SpareSingle);
    for (int b = 1; b <= form.BlockCount; ++b) out.Integer(model.BlockSpareLong[b]);
}

void WriteStatusSection(LineWriter& out, const Simulation& sim) {
    out.Text("Variuous Status Indicators");
    out.Integer(sim.PickListShown);
    out.Boolean(sim.Run.MathsSymbols);
    out.Boolean(sim.Run.PowerOfTwoTimeStep);
    out.Integer(sim.Graph.XColumn);
    out.Integer(sim.Graph.ShowSymbols);
    out.Integer(sim.Fft.ShowSymbols);
    for (bool option : {sim.Fft.ShowMagnitude, sim.Fft.ShowPhase, sim.Fft.FftFlag, sim.Fft.LogFrequency,
                        sim.Fft.DbMagnitude, sim.Prbs.LogFrequency, sim.Prbs.LogMagnitude, sim.Run.FrequencyInHz,
                        sim.Prbs.ImpulseResponseMode, sim.Prbs.AutomaticDuration}) {
        out.Boolean(option);
    }
    out.Number(sim.Status.StopExtendFactor);
    out.Integer(sim.Fft.TargetSize);
    out.Integer(sim.Fft.HalfSize);
    out.Integer(sim.Fft.TargetExponent);
    out.Integer(sim.Fft.PrimaryColumn);
    out.Integer(sim.Fft.ComparisonColumn);
    out.Integer(sim.Graph.YManual);
    out.Float(sim.Graph.YMaximum);
    out.Float(sim.Graph.YMinimum);
    out.Integer(sim.Graph.XManual);
    out.Float(sim.Graph.XMaximum);
    out.Float(sim.Graph.XMinimum);
    out.Text("end of file");
}

}  // namespace

void WriteBlockRecord(LineWriter& out, const Block& block, int b) {
    out.Marker("BlockNo:", b);
    out.Integer(block.FunctionCode);
    out.Integer(block.Left);
    out.Integer(block.Top);
    for (int k = 1; k <= MaxInputs; ++k) {
        out.Integer(block.Input[k]);
        out.Float(block.Work[k]);
        out.Float(block.History[k]);
        out.Float(block.Constant[k]);
    }
    out.Float(block.SatLow);
    out.Float(block.SatHigh);
    out.Float(block.Output);
    out.Float(block.InitialCondition);
    out.Text(block.Title);
    out.Text(block.Units);
    out.Float(block.SpareSingle);
}

void WriteConnectionRecords(LineWriter& out, const SimulationForm& form, int f) {
    out.Marker("connection information for form:", f);
    out.Integer(form.NextConnection);
    for (int c = 1; c < form.NextConnection; ++c) {
        const Connection& connection = form.Connections[c];
        for (int value : {connection.ToInput, connection.ToBlock, connection.FromBlock, connection.FromOutput,
                          connection.FirstLine, connection.LineCount}) {
            out.Integer(value);
        }
    }
    out.Marker("Line information for form:", f);
    out.Integer(form.NextLine);
    for (int l = 1; l < form.NextLine; ++l) {
        const ConnectionLine& line = form.Lines[l];
        for (int value : {line.X1, line.Y1, line.X2, line.Y2}) out.Integer(value);
    }
}

std::optional<std::string> SimulationText(const Simulation& sim, const std::string& nameLine) {
    const std::optional<std::vector<int>> forms = SavedForms(sim);
    if (!forms) return std::nullopt;
    LineWriter out;
    WriteHeader(out, sim, nameLine);
    for (int f : *forms) WriteFormSection(out, sim.Forms[f], f);
    out.Number(sim.GraphWindow.Top);
    out.Number(sim.GraphWindow.Left);
    out.Number(sim.TabulationWindow.Top);
    out.Number(sim.TabulationWindow.Left);
    for (int f : *forms) WriteTerminalSection(out, sim, f);
    WriteStatusSection(out, sim);
    return out.Result();
}

bool SaveSimulation(Simulation& sim, const std::string& path) {
    sim.Status.CurrentActivity = "Saving Simulation";
    const std::optional<std::string> text = SimulationText(sim, std::filesystem::path(path).filename().string());
    if (!text) {
        sim.Ui.Message("Form Management -mismatch in saving");
        return false;
    }
    const std::string error = ReplaceFile(path, *text);
    if (!error.empty()) {
        sim.Ui.Message("Error encountered during " + sim.Status.CurrentActivity + " - " + error);
        return false;
    }
    const int first = FirstAllocatedForm(sim);
    if (first > 0) sim.Windows.ActivateSheet(first);
    sim.Windows.HideResultWindows();
    sim.Ui.Message("Simulation Saved: " + path);
    TakeTitleFromPath(sim, path);
    sim.History.MarkSaved();
    return true;
}

}  // namespace quorvane
