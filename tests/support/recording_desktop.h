#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/desktop.h"

namespace quorvane {

/// A desktop that notes every call the model makes of the windows, in order, as the call's name
/// and its arguments ("ShowSheet 1 Plant", "MoveBlockImage 1 3 2"). It also keeps the parameter
/// markers shown and counts the redraws asked for, which tests look at directly.
class RecordingDesktop final : public Desktop {
public:
    struct Marker {
        int Form = 0;
        int Number = 0;   ///< marker 0..9
        int Block = 0;
    };

    void ShowSheet(int form, const std::string& caption) override;
    void CloseSheet(int form) override;
    void ClearSheetImages(int form) override;
    void PlaceBlockImage(int form, int block) override;
    void MoveBlockImage(int form, int from, int to) override;
    void HideBlockImage(int form, int block) override;
    void ShowMarker(int form, int marker, int block) override;
    void HideMarkers(int form) override;
    /// The surface given to Surface, for every sheet; asking is not a call worth noting.
    Canvas* SheetCanvas(int /*form*/) override { return Surface; }
    void RequestRedraw(int form) override;
    void SetMainCaption(const std::string& caption) override;
    /// Kept in Unsaved rather than noted: it follows every edit.
    void ShowChanged(bool changed) override { Unsaved = changed; }
    void RefreshOptions() override;
    void PlaceSheet(int form) override;
    void ActivateSheet(int form) override;
    void PlaceGraphWindow() override;
    void PlaceTabulationWindow() override;
    void ShowToolWindows() override;
    void HideResultWindows() override;
    void RefreshGraphSwitches() override;
    void RefreshFrequencySwitches() override;
    void RefreshPrbsSwitches() override;
    void HidePrbsWindow() override;
    void CloseFrequencyWindow() override;
    void HidePrintFormatDialog() override;
    void ClearRunFigures() override;

    /// The calls of these names, in the order made.
    std::vector<std::string> Of(std::initializer_list<std::string_view> names) const;
    bool Called(const std::string& call) const;

    std::vector<std::string> Calls;   ///< every call, in order
    std::vector<Marker> Markers;      ///< shown since the last HideMarkers
    int MarkersHidden = 0;            ///< HideMarkers calls
    int Redraws = 0;                  ///< RequestRedraw calls
    bool Unsaved = false;             ///< the caption's "*" as last shown
    Canvas* Surface = nullptr;

private:
    void Note(std::string_view name, std::initializer_list<int> numbers, const std::string& text = {});
};

}  // namespace quorvane
