#include "storage/load_rebuild.h"

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "platform/text_file.h"
#include "storage/file_title.h"

namespace quorvane {

void BeginLoad(Simulation& sim) {
    sim.Status.CurrentActivity = "Loading Simulation File";
    ClearModel(sim);
    InitFormSlots(sim);
    // Records past the counts are never read, but a load that stops early must not leave the
    // previous model's connections and lines behind the ones it read.
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& form = sim.Forms[f];
        form.Connections.Fill(Connection{});
        form.Lines.Fill(ConnectionLine{});
        form.TermCount = 0;
    }
    // The edits of the previous model cannot be taken back into this one.
    sim.History.Clear();
}

void ReportLoadError(Simulation& sim, const std::string& what) {
    sim.Ui.Message(sim.Status.CurrentActivity + "  " + what);
}

bool LoadFromFile(Simulation& sim, const std::string& path, TextLoader load) {
    std::string text;
    std::string error;
    const ReadOutcome outcome = ReadTextFile(path, text, error);
    if (outcome == ReadOutcome::Read) return load(sim, text, path);
    BeginLoad(sim);
    if (outcome == ReadOutcome::Missing) {
        sim.Ui.Message(error + " - File Load");
    } else {
        ReportLoadError(sim, error);
    }
    return false;
}

void FinishLoad(Simulation& sim, const std::vector<int>& forms, const std::string& path, bool ended) {
    if (ended) sim.Ui.Message("EOF Encountered - Old File Type assumed - Loading Complete");
    RebuildAfterLoad(sim, forms, path);
}

void RebuildAfterLoad(Simulation& sim, const std::vector<int>& forms, const std::string& path) {
    Desktop& windows = sim.Windows;
    windows.HidePrintFormatDialog();
    windows.ShowToolWindows();
    windows.HideResultWindows();
    for (int f : forms) {
        windows.ClearSheetImages(f);
        sim.PendingLineCount = 0;
        sim.SelectedInput = 0;
        sim.SelectedOutput = 0;
        for (int b = 1; b <= sim.Forms[f].BlockCount; ++b) windows.PlaceBlockImage(f, b);
        windows.ShowSheet(f, sim.Forms[f].Title);
        windows.RequestRedraw(f);
    }
    sim.Dump.CurrentPage = 1;
    sim.Dump.EndOfPrintoutLine = -1;
    sim.Dump.ReadLine = 1;
    TakeTitleFromPath(sim, path);
    sim.CurrentForm = FirstAllocatedForm(sim);
    if (sim.CurrentForm > 0) windows.ActivateSheet(sim.CurrentForm);
    windows.ClearRunFigures();
    windows.CloseFrequencyWindow();
}

}  // namespace quorvane
