#pragma once

#include <string>

namespace quorvane {

class Canvas;

/// What the model does to windows: the sheets bound to form slots 1..3, their block images and
/// markers, the main window's caption and menu ticks, and the result windows. The desktop
/// program implements it; without windows (the headless runner, tests) every call does nothing,
/// which is what this base class does.
class Desktop {
public:
    virtual ~Desktop() = default;

    /// Sheet of slot `form` shown with this caption / closed.
    virtual void ShowSheet(int /*form*/, const std::string& /*caption*/) {}
    virtual void CloseSheet(int /*form*/) {}
    /// Block images and the selection marker of a sheet hidden, as when its blocks are cleared.
    virtual void ClearSheetImages(int /*form*/) {}
    /// Block image of block b placed from the model (position, picture of its FunctionCode).
    virtual void PlaceBlockImage(int /*form*/, int /*block*/) {}
    /// Block images renumbered: image `to` takes the picture and place of image `from`.
    virtual void MoveBlockImage(int /*form*/, int /*from*/, int /*to*/) {}
    virtual void HideBlockImage(int /*form*/, int /*block*/) {}
    /// Parameter marker 0..9 shown at a block / all markers of a sheet hidden.
    virtual void ShowMarker(int /*form*/, int /*marker*/, int /*block*/) {}
    virtual void HideMarkers(int /*form*/) {}
    /// The drawing surface of a sheet, or nullptr when the sheet has no window.
    virtual Canvas* SheetCanvas(int /*form*/) { return nullptr; }
    /// Asks for a sheet to be redrawn from the model.
    virtual void RequestRedraw(int /*form*/) {}
    /// The main window's caption.
    virtual void SetMainCaption(const std::string& /*caption*/) {}
    /// Menu ticks and toolbox pictures follow the model's options (maths symbols, Hz/rad/s).
    virtual void RefreshOptions() {}
    /// Sheet of slot `form` moved and sized to the form's saved Window place.
    virtual void PlaceSheet(int /*form*/) {}
    /// The sheet of slot `form` gets the focus.
    virtual void ActivateSheet(int /*form*/) {}
    /// Graph / tabulation window moved to the place the model keeps (GraphWindow, TabulationWindow).
    virtual void PlaceGraphWindow() {}
    virtual void PlaceTabulationWindow() {}
    /// Toolbox and run window shown.
    virtual void ShowToolWindows() {}
    /// Graph and tabulation windows hidden.
    virtual void HideResultWindows() {}
    /// Check boxes and option buttons of the graph / frequency / PRBS displays follow the model.
    virtual void RefreshGraphSwitches() {}
    virtual void RefreshFrequencySwitches() {}
    virtual void RefreshPrbsSwitches() {}
    /// PRBS display hidden; frequency analysis window unloaded.
    virtual void HidePrbsWindow() {}
    virtual void CloseFrequencyWindow() {}
    /// Print format dialog's option buttons follow the model's format modes; the dialog is hidden.
    virtual void HidePrintFormatDialog() {}
    /// The run window's CPU-time and rounding-error boxes show a single space.
    virtual void ClearRunFigures() {}
};

}  // namespace quorvane
