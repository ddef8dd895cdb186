#pragma once

namespace quorvane {

/// Time graph settings (GPlot); the axis flags and limits are saved with the model.
struct GraphSettings {
    int XColumn = 0;        ///< DisplayBuffer column used for X; 0 = time
    int ShowSymbols = 0;    ///< 1 / 0
    int YManual = 0;        ///< 1 = the Y axis uses the manual limits
    int XManual = 0;
    float YMaximum = 0;
    float YMinimum = 0;
    float XMaximum = 0;
    float XMinimum = 0;
    float YRange = 0;       ///< spans used by the last drawing
    float XRange = 0;
    /// Logarithmic axes (the scales dialog's "Log Scale" boxes), for this session only.
    bool YLog = false;
    bool XLog = false;
    /// Previous runs drawn behind the last one ("Overlay Previous Runs"), for this session only.
    bool OverlayRuns = false;
};

}  // namespace quorvane
