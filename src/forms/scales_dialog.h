#pragma once

#include <string>

namespace quorvane {

struct GraphSettings;
struct Simulation;

/// The scales dialog (Form11): for each axis "Automatic" or "Manual" and its limits as typed.
/// The limit boxes are enabled only for a manual axis.
struct ScalesDialog {
    bool YManual = false;   ///< Option2 ("Manual"), else Option1 ("Automatic")
    bool XManual = false;   ///< Option4, else Option3
    std::string Text1;      ///< Y Maximum
    std::string Text2;      ///< Y Minimum
    std::string Text3;      ///< X Maximum
    std::string Text4;      ///< X Minimum
    bool YLog = false;      ///< Check1, "Log Scale" of the Y axis
    bool XLog = false;      ///< Check2
};

/// Size of the dialog, in twips.
inline constexpr int ScalesDialogWidth = 7080;
inline constexpr int ScalesDialogHeight = 4170;

/// The dialog showing each axis' mode and the limits stored by the last drawing or by hand.
ScalesDialog LoadScalesDialog(const GraphSettings& graph);

/// "Done": the Y limits are checked and taken, then the X limits, then both modes, then the
/// log scales. A maximum not above its minimum stops with "Y maximum must exceed Y minimum" or
/// "X maximum must exceed X minimum"; a refused X leaves the Y limits taken. A log scale over
/// values at or below zero is refused with its reason (what was taken before it stays). When
/// everything was taken the graph is redrawn and the dialog hidden; after a refusal it stays
/// open at the refused entry.
enum class ScalesOutcome { Applied = 0, YRefused = 1, XRefused = 2, YLogRefused = 3, XLogRefused = 4 };
ScalesOutcome ApplyScalesDialog(Simulation& sim, const ScalesDialog& dialog);

}  // namespace quorvane
