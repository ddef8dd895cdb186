#pragma once

#include "app/sheets/sheet_desktop.h"

namespace quorvane {

/// The sheets and toolbox of a test that starts no main window: they act as in the program,
/// while the main window, run window and result windows they would reach do not exist.
class SheetsOnlyDesktop final : public SheetDesktop {
public:
    void SetMainCaption(const std::string&) override {}
    void ShowChanged(bool) override {}
    void ShowToolWindows() override {}
    void PlaceGraphWindow() override {}
    void PlaceTabulationWindow() override {}
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
