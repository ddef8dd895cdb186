#pragma once

#include "model/model.h"
#include "platform/canvas.h"

namespace quorvane {

/// Colours of the editing marks: connection lines, terminal and bend markers, rubber
/// bands and the selected connection's markers.
inline constexpr Palette LineColour = Palette::Blue;
inline constexpr Palette MarkerColour = Palette::LightRed;
inline constexpr Palette RubberBandColour = Palette::Cyan;
inline constexpr Palette SelectionColour = Palette::Magenta;
/// The sheet's background (the button-face grey), used to rub out a line before redrawing it.
inline constexpr Palette SheetBackColour = Palette::LightGrey;

/// A dotted XOR line from an anchor to the pointer, drawn while a connection is pending.
struct RubberBand {
    enum State { None = 0, Anchored = 1, Drawn = 2 };
    int AnchorX = 0;
    int AnchorY = 0;
    int EndX = 0;   ///< end of the line last drawn
    int EndY = 0;
    int Now = None;
};

/// A joint of the selected connection being dragged: the end of line `Line`, which is also the
/// start of line `Line` + 1.
struct JointDrag {
    enum State { None = 0, Grabbed = 1, Drawn = 2 };
    int Now = None;
    int Form = 0;
    int Connection = 0;
    int Line = 0;
    ConnectionLine Before;   ///< line `Line` as it was when grabbed
    ConnectionLine After;    ///< line `Line` + 1 as it was when grabbed
    int JointX = 0;          ///< where the joint was last drawn
    int JointY = 0;
};

/// The blocks selected together on one sheet: set by a selection box, Shift+press or Select
/// All, moved, deleted, copied and duplicated as one. The single selected block is a group of
/// one.
struct BlockGroup {
    int Form = 0;   ///< 0 = nothing selected
    Table<bool, MaxBlocks> Member{};

    bool operator==(const BlockGroup&) const = default;
};

/// A dotted XOR rectangle drawn from a press on free area to the pointer; the blocks wholly
/// inside it are selected on release.
struct SelectionBox {
    enum State { None = 0, Anchored = 1, Drawn = 2 };
    int Now = None;
    int Form = 0;
    int AnchorX = 0;
    int AnchorY = 0;
    int EndX = 0;   ///< corner of the rectangle last drawn
    int EndY = 0;
};

/// The editing state of the whole application, shared by all sheets. The pending connection's
/// segments and the picked terminals live in the model (PendingLine, PendingLineCount,
/// SelectedInput, SelectedOutput); the rest of the linking state is here.
struct EditingState {
    /// Toolbox drag: the FunctionCode being dragged (0 = none) and where the pointer was
    /// inside the dragged image, twips.
    int NewBlockCode = 0;
    int GrabX = 0;
    int GrabY = 0;

    /// Block drag: the block, the sheet it started on and its place at the start.
    bool Moving = false;
    int MovingForm = 0;
    int MovingBlock = 0;
    int OldLeft = 0;
    int OldTop = 0;

    /// The one selected block (0 = none) and its form; the sheet shows its selection marker
    /// at that block.
    int SelectedBlock = 0;
    int SelectedBlockForm = 0;
    /// Every selected block, the selected one among them.
    BlockGroup Group;
    SelectionBox Box;

    /// The pending connection's form and start: a block and either an output or an input
    /// terminal number (the other is 0).
    int LinkForm = 0;
    int StartBlock = 0;
    int StartOutput = 0;
    int StartInput = 0;
    RubberBand Band;

    /// The selected connection (0 = none) and its form.
    int SelectedConnection = 0;
    int SelectedConnectionForm = 0;

    JointDrag Joint;
};

}  // namespace quorvane
