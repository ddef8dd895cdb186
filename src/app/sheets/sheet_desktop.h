#pragma once

#include <array>

#include "model/desktop.h"

namespace quorvane {

class Fsim;
class Form1;

/// What the model does to the sheets and the toolbox, passed on to their windows: sheets shown
/// and closed, redrawn, their markers placed, the toolbox pictures following the options. The
/// desktop program's own desktop builds on it for the other windows.
class SheetDesktop : public Desktop {
public:
    /// The sheet of its form and the toolbox; they must outlive the desktop's use.
    void Attach(Fsim& sheet);
    void Attach(Form1& toolbox) { Toolbox = &toolbox; }
    Fsim* Sheet(int form) const;

    void ShowSheet(int form, const std::string& caption) override;
    void CloseSheet(int form) override;
    void ClearSheetImages(int form) override;
    void PlaceBlockImage(int form, int block) override;
    void MoveBlockImage(int form, int from, int to) override;
    void HideBlockImage(int form, int block) override;
    void ShowMarker(int form, int marker, int block) override;
    void HideMarkers(int form) override;
    Canvas* SheetCanvas(int form) override;
    void RequestRedraw(int form) override;
    void RefreshOptions() override;
    void PlaceSheet(int form) override;
    void ActivateSheet(int form) override;

private:
    std::array<Fsim*, 4> Sheets{};
    Form1* Toolbox = nullptr;
};

}  // namespace quorvane
