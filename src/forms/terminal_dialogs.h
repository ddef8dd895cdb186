#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct Model;
struct Simulation;

/// At most this many output terminals are offered to an input terminal.
inline constexpr int MaxTerminalChoices = 30;

/// An output terminal an input terminal can be fed from, as its list shows it.
struct TerminalChoice {
    int Form = 0;
    int Entry = 0;   ///< the output terminal's terminal-link entry
    int Block = 0;
    std::string Text;
};

/// The input terminal window (Form7): title field and the list of output terminals (Combo1,
/// whose first item "Select Connection" is index 0; item i > 0 is Choices[i - 1]).
struct InputTerminalFields {
    int Form = 0;
    int Block = 0;
    int FunctionCode = 0;
    std::string Caption;
    std::string Title;   ///< Text1
    std::vector<TerminalChoice> Choices;
    int Selected = 0;
};

/// The output terminal's title and units window (Form9).
struct OutputTerminalFields {
    int Form = 0;
    int Block = 0;
    int FunctionCode = 0;
    std::string Caption;
    std::string Title;   ///< Text1
    std::string Units;   ///< Text2
};

/// "Form  1 Block  3 - Input Terminal  2": form, block, the block's tool tip and its entry.
std::string TerminalCaption(const Simulation& sim, int form, int block);

/// The output terminals of the allocated forms, form by form in block order, at most 30; the one
/// the input terminal's constants 1 and 2 name is selected.
InputTerminalFields ActivateInputTerminal(const Simulation& sim, int form, int block);

/// Item `item` (> 0) chosen: the input terminal is fed by that form, entry and block
/// (constants 1, 2, 3). Choosing "Select Connection" changes nothing.
void ChooseTerminalConnection(Simulation& sim, const InputTerminalFields& fields, int item);

/// Done: stores the title and redraws the sheet. False (nothing stored) when the block was
/// deleted or replaced while the window was open.
bool StoreInputTerminal(Simulation& sim, const InputTerminalFields& fields);

OutputTerminalFields ActivateOutputTerminal(const Simulation& sim, int form, int block);

/// Done: stores title and units and redraws the sheet; false as above.
bool StoreOutputTerminal(Simulation& sim, const OutputTerminalFields& fields);

}  // namespace quorvane
