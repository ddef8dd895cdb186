#include "forms/form_properties.h"

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "model/terminal_links.h"
#include "platform/text.h"

namespace quorvane {

namespace {

bool FeedsAnotherBlock(const SimulationForm& form, int block) {
    for (int other = 1; other <= form.BlockCount; ++other) {
        if (other == block) continue;
        for (int k = 1; k <= MaxInputs; ++k)
            if (form.Blocks[other].Input[k] == block) return true;
    }
    return false;
}

bool HasConnectedInput(const Block& block) {
    for (int k = 1; k <= MaxInputs; ++k)
        if (block.Input[k] != 0) return true;
    return false;
}

// One group of the list: the heading before the first terminal of the kind, or the note that
// there is none.
void ListTerminals(const Model& model, int form, bool inputs, std::vector<TerminalListLine>& lines) {
    const SimulationForm& sheet = model.Forms[form];
    bool any = false;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        const Block& block = sheet.Blocks[b];
        if (inputs ? !IsInputTerminal(block.FunctionCode) : !IsOutputTerminal(block.FunctionCode)) continue;
        if (!any) lines.push_back({inputs ? "Input Terminals:" : "Output Terminals:", TerminalHeadingColour});
        any = true;
        const bool linked = inputs ? block.Constant[1] > 0 : block.Input[1] != 0;
        lines.push_back({"  Terminal " + NumberText(FindTerminalEntry(model, form, b)) + "  " + block.Title,
                         linked ? LinkedTerminalColour : UnlinkedTerminalColour});
    }
    if (!any) lines.push_back({inputs ? "No input terminals." : "No output terminals.", TerminalHeadingColour});
}

}  // namespace

int CountUnlinkedBlocks(const SimulationForm& form) {
    int count = 0;
    for (int b = 1; b <= form.BlockCount; ++b)
        if (!HasConnectedInput(form.Blocks[b]) && !FeedsAnotherBlock(form, b)) ++count;
    return count;
}

std::vector<TerminalListLine> TerminalList(const Model& model, int form) {
    std::vector<TerminalListLine> lines;
    ListTerminals(model, form, true, lines);
    ListTerminals(model, form, false, lines);
    return lines;
}

FormPropertiesFields ActivateFormProperties(const Model& model, int form) {
    const SimulationForm& sheet = model.Forms[form];
    FormPropertiesFields fields;
    fields.Form = form;
    fields.Caption = "Simulation Form " + Str(form) + " Properties";
    fields.Title = sheet.Title;
    fields.BlockCount = NumberText(sheet.BlockCount);
    fields.Unlinked = NumberText(CountUnlinkedBlocks(sheet));
    fields.Terminals = TerminalList(model, form);
    return fields;
}

void StoreFormProperties(Simulation& sim, const FormPropertiesFields& fields) {
    SetFormTitle(sim, fields.Form, fields.Title);
}

}  // namespace quorvane
