#pragma once

#include <string>

namespace quorvane {

class Canvas;

/// What the model does to windows: the sheets bound to form slots 1..3, their block images and
/// markers, the main window's caption and menu ticks, and the result windows. The desktop
/// program implements every call; without windows (the headless runner, tests) NullDesktop
/// does nothing.
class Desktop {
public:
    virtual ~Desktop() = default;

    /// Sheet of slot `form` shown with this caption / closed.
    virtual void ShowSheet(int form, const std::string& caption) = 0;
    virtual void CloseSheet(int form) = 0;
    /// Block images and the selection marker of a sheet hidden, as when its blocks are cleared.
    virtual void ClearSheetImages(int form) = 0;
    /// Block image of block b placed from the model (position, picture of its FunctionCode).
    virtual void PlaceBlockImage(int form, int block) = 0;
    /// Block images renumbered: image `to` takes the picture and place of image `from`.
    virtual void MoveBlockImage(int form, int from, int to) = 0;
    virtual void HideBlockImage(int form, int block) = 0;
    /// Parameter marker 0..9 shown at a block / all markers of a sheet hidden.
    virtual void ShowMarker(int form, int marker, int block) = 0;
    virtual void HideMarkers(int form) = 0;
    /// The drawing surface of a sheet, or nullptr when the sheet has no window.
    virtual Canvas* SheetCanvas(int form) = 0;
    /// Asks for a sheet to be redrawn from the model.
    virtual void RequestRedraw(int form) = 0;
    /// The main window's caption.
    virtual void SetMainCaption(const std::string& caption) = 0;
    /// The caption ends in "*" while the model has changes that are not in its file.
    virtual void ShowChanged(bool changed) = 0;
    /// Menu ticks and toolbox pictures follow the model's options (maths symbols, Hz/rad/s).
    virtual void RefreshOptions() = 0;
    /// Sheet of slot `form` moved and sized to the form's saved Window place.
    virtual void PlaceSheet(int form) = 0;
    /// The sheet of slot `form` gets the focus.
    virtual void ActivateSheet(int form) = 0;
    /// Graph / tabulation window moved to the place the model keeps (GraphWindow, TabulationWindow).
    virtual void PlaceGraphWindow() = 0;
    virtual void PlaceTabulationWindow() = 0;
    /// Toolbox and run window shown.
    virtual void ShowToolWindows() = 0;
    /// Graph and tabulation windows hidden.
    virtual void HideResultWindows() = 0;
    /// Check boxes and option buttons of the graph / frequency / PRBS displays follow the model.
    virtual void RefreshGraphSwitches() = 0;
    virtual void RefreshFrequencySwitches() = 0;
    virtual void RefreshPrbsSwitches() = 0;
    /// PRBS display hidden; frequency analysis window unloaded.
    virtual void HidePrbsWindow() = 0;
    virtual void CloseFrequencyWindow() = 0;
    /// Print format dialog's option buttons follow the model's format modes; the dialog is hidden.
    virtual void HidePrintFormatDialog() = 0;
    /// The run window shows nothing of the previous run: figures, note on the stop time, lamp.
    virtual void ClearRunFigures() = 0;
};

/// The desktop of a program without windows: every call does nothing, and no sheet has a
/// drawing surface.
class NullDesktop final : public Desktop {
public:
    void ShowSheet(int, const std::string&) override {}
    void CloseSheet(int) override {}
    void ClearSheetImages(int) override {}
    void PlaceBlockImage(int, int) override {}
    void MoveBlockImage(int, int, int) override {}
    void HideBlockImage(int, int) override {}
    void ShowMarker(int, int, int) override {}
    void HideMarkers(int) override {}
    Canvas* SheetCanvas(int) override { return nullptr; }
    void RequestRedraw(int) override {}
    void SetMainCaption(const std::string&) override {}
    void ShowChanged(bool) override {}
    void RefreshOptions() override {}
    void PlaceSheet(int) override {}
    void ActivateSheet(int) override {}
    void PlaceGraphWindow() override {}
    void PlaceTabulationWindow() override {}
    void ShowToolWindows() override {}
    void HideResultWindows() override {}
    void RefreshGraphSwitches() override {}
    void RefreshFrequencySwitches() override {}
    void RefreshPrbsSwitches() override {}
    void HidePrbsWindow() override {}
    void CloseFrequencyWindow() override {}
    void HidePrintFormatDialog() override {}
    void ClearRunFigures() override {}
};

}  // namespace quorvane
