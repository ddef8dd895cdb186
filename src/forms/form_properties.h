#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quorvane {

struct Model;
struct SimulationForm;
struct Simulation;

/// Colours of the terminal list: headings, linked terminals, unlinked terminals.
inline constexpr Palette TerminalHeadingColour = Palette::Blue;
inline constexpr Palette LinkedTerminalColour = Palette::LightRed;
inline constexpr Palette UnlinkedTerminalColour = Palette::DarkGrey;

/// One line of the form's terminal list and its palette colour.
struct TerminalListLine {
    std::string Text;
    Palette Colour = TerminalHeadingColour;

    bool operator==(const TerminalListLine&) const = default;
};

/// What the simulation form properties window shows for one form.
struct FormPropertiesFields {
    int Form = 0;
    std::string Caption;
    std::string Title;        ///< Text1
    std::string BlockCount;   ///< Label4
    std::string Unlinked;     ///< Label5
    std::vector<TerminalListLine> Terminals;   ///< Picture1
};

/// Blocks with no input connected that feed no other block.
int CountUnlinkedBlocks(const SimulationForm& form);

/// The input terminal blocks, then the output terminal blocks, in block order, each with its
/// terminal-link entry and title; linked ones in light red, unlinked ones in grey.
std::vector<TerminalListLine> TerminalList(const Model& model, int form);

FormPropertiesFields ActivateFormProperties(const Model& model, int form);

/// Names the form: its title and its sheet's caption.
void StoreFormProperties(Simulation& sim, const FormPropertiesFields& fields);

}  // namespace quorvane
