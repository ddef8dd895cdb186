#include "storage/load_rebuild.h"

#include <memory>

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "platform/text_file.h"
#include "storage/data_file_sections.h"
#include "storage/file_title.h"
#include "storage/line_reader.h"

namespace quorvane {

namespace {

constexpr const char* LoadingActivity = "Loading Simulation File";

// Both ways between the FFT and PRBS states and the values a file keeps of them.
template <class From, class To>
void CopyFftValues(const From& from, To& to) {
    to.ShowSymbols = from.ShowSymbols;
    to.ShowMagnitude = from.ShowMagnitude;
    to.ShowPhase = from.ShowPhase;
    to.FftFlag = from.FftFlag;
    to.LogFrequency = from.LogFrequency;
    to.DbMagnitude = from.DbMagnitude;
    to.TargetSize = from.TargetSize;
    to.HalfSize = from.HalfSize;
    to.TargetExponent = from.TargetExponent;
    to.PrimaryColumn = from.PrimaryColumn;
    to.ComparisonColumn = from.ComparisonColumn;
}

template <class From, class To>
void CopyPrbsValues(const From& from, To& to) {
    to.LogFrequency = from.LogFrequency;
    to.LogMagnitude = from.LogMagnitude;
    to.ImpulseResponseMode = from.ImpulseResponseMode;
    to.AutomaticDuration = from.AutomaticDuration;
}

// What a file of an earlier version leaves as it was stays as the open model had it.
std::unique_ptr<FileContent> ContentOf(const Simulation& sim) {
    auto content = std::make_unique<FileContent>();
    static_cast<Model&>(*content) = static_cast<const Model&>(sim);
    content->Graph = sim.Graph;
    CopyFftValues(sim.Fft, content->Fft);
    CopyPrbsValues(sim.Prbs, content->Prbs);
    content->StopExtendFactor = sim.Status.StopExtendFactor;
    return content;
}

void PutContent(const FileContent& content, Simulation& sim) {
    static_cast<Model&>(sim) = static_cast<const Model&>(content);
    sim.Graph = content.Graph;
    CopyFftValues(content.Fft, sim.Fft);
    CopyPrbsValues(content.Prbs, sim.Prbs);
    sim.Status.StopExtendFactor = content.StopExtendFactor;
}

// The model cleared and every form slot freed with its connections, lines and terminal-link
// table; records past the counts are never read, but a file that stops early must not leave the
// previous model's connections and lines behind the ones it read.
void ClearForLoad(FileContent& staged) {
    ClearModel(staged);
    ResetFormSlots(staged);
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& form = staged.Forms[f];
        form.Connections.Fill(Connection{});
        form.Lines.Fill(ConnectionLine{});
        form.TermCount = 0;
    }
}

// The windows follow the model just put in place, as they would have followed its reading.
void ShowLoadedWindows(Simulation& sim, const FileSections& found) {
    Desktop& windows = sim.Windows;
    for (int f = 1; f <= FormSlots; ++f) {
        windows.ClearSheetImages(f);
        windows.HideMarkers(f);
        windows.CloseSheet(f);
    }
    for (int f : found.Forms) windows.PlaceSheet(f);
    if (found.PlaceResultWindowsAlways || sim.Run.GraphicalOutput) windows.PlaceGraphWindow();
    if (found.PlaceResultWindowsAlways || sim.Run.TabulationOutput) windows.PlaceTabulationWindow();
    windows.RefreshOptions();
    windows.RefreshGraphSwitches();
    if (sim.Run.FftEnabled) windows.RefreshFrequencySwitches();
    windows.RefreshPrbsSwitches();
    windows.HidePrbsWindow();
}

// What every load that reached its end does: print format dialog, toolbox and run window,
// the sheets of `forms` rebuilt from the model and shown, the simulation titled after the file,
// the first allocated form made current, and the analysis windows put away.
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

void ReportLoadError(Simulation& sim, const std::string& what) {
    sim.Ui.Message(sim.Status.CurrentActivity + "  " + what);
}

}  // namespace

bool LoadText(Simulation& sim, std::string_view text, const std::string& path, SectionsReader read) {
    sim.Status.CurrentActivity = LoadingActivity;
    const std::unique_ptr<FileContent> staged = ContentOf(sim);
    ClearForLoad(*staged);
    LineReader in(text);
    FileSections found;
    try {
        read(in, *staged, found);
    } catch (const std::runtime_error& error) {
        ReportLoadError(sim, error.what());
        return false;
    }
    PutContent(*staged, sim);
    // The edits and runs of the previous model cannot be taken back into, or compared with, this one.
    sim.History.Clear();
    sim.Runs.Forget();
    ShowLoadedWindows(sim, found);
    if (found.Ended) sim.Ui.Message("EOF Encountered - Old File Type assumed - Loading Complete");
    RebuildAfterLoad(sim, found.Forms, path);
    return true;
}

bool LoadFromFile(Simulation& sim, const std::string& path, SectionsReader read) {
    std::string text;
    std::string error;
    const ReadOutcome outcome = ReadTextFile(path, text, error);
    if (outcome == ReadOutcome::Read) return LoadText(sim, text, path, read);
    sim.Status.CurrentActivity = LoadingActivity;
    if (outcome == ReadOutcome::Missing) {
        sim.Ui.Message(error + " - File Load");
    } else {
        ReportLoadError(sim, error);
    }
    return false;
}

}  // namespace quorvane
