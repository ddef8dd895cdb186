#include "forms/terminal_dialogs.h"

#include "engine/simulation.h"
#include "forms/edit_target.h"
#include "model/terminal_links.h"
#include "platform/text.h"

namespace quorvane {

std::string TerminalCaption(const Simulation& sim, int form, int block) {
    const int code = sim.Forms[form].Blocks[block].FunctionCode;
    return "Form " + Str(form) + " Block " + Str(block) + " - " + sim.Functions[code].Formula + " " +
           Str(FindTerminalEntry(sim, form, block));
}

InputTerminalFields ActivateInputTerminal(const Simulation& sim, int form, int block) {
    const Block& input = sim.Forms[form].Blocks[block];
    InputTerminalFields fields;
    fields.Form = form;
    fields.Block = block;
    fields.FunctionCode = input.FunctionCode;
    fields.Caption = TerminalCaption(sim, form, block);
    fields.Title = input.Title;
    // Every allocated form is offered, also when a lower slot has been released.
    for (int f = 1; f <= FormSlots; ++f) {
        const SimulationForm& sheet = sim.Forms[f];
        if (sheet.InUse == 0) continue;
        for (int b = 1; b <= sheet.BlockCount; ++b) {
            if (!IsOutputTerminal(sheet.Blocks[b].FunctionCode)) continue;
            if (static_cast<int>(fields.Choices.size()) == MaxTerminalChoices) return fields;
            const int entry = FindTerminalEntry(sim, f, b);
            fields.Choices.push_back(
                {f, entry, b, sheet.Title + "  Terminal: " + NumberText(entry) + "  (" + sheet.Blocks[b].Title + " )"});
            if (input.Constant[1] == static_cast<float>(f) && input.Constant[2] == static_cast<float>(entry))
                fields.Selected = static_cast<int>(fields.Choices.size());
        }
    }
    return fields;
}

void ChooseTerminalConnection(Simulation& sim, const InputTerminalFields& fields, int item) {
    if (item < 1 || item > static_cast<int>(fields.Choices.size())) return;
    if (!TargetHolds(sim, fields.Form, fields.Block, fields.FunctionCode)) return;
    EditStep step(sim.History, sim);
    const TerminalChoice& choice = fields.Choices[static_cast<std::size_t>(item - 1)];
    Block& input = sim.Forms[fields.Form].Blocks[fields.Block];
    input.Constant[1] = static_cast<float>(choice.Form);
    input.Constant[2] = static_cast<float>(choice.Entry);
    input.Constant[3] = static_cast<float>(choice.Block);
}

bool StoreInputTerminal(Simulation& sim, const InputTerminalFields& fields) {
    EditStep step(sim.History, sim);
    if (!TargetHolds(sim, fields.Form, fields.Block, fields.FunctionCode)) return false;
    sim.Forms[fields.Form].Blocks[fields.Block].Title = fields.Title;
    sim.Windows.RequestRedraw(fields.Form);
    return true;
}

OutputTerminalFields ActivateOutputTerminal(const Simulation& sim, int form, int block) {
    const Block& output = sim.Forms[form].Blocks[block];
    return {form, block, output.FunctionCode, TerminalCaption(sim, form, block), output.Title, output.Units};
}

bool StoreOutputTerminal(Simulation& sim, const OutputTerminalFields& fields) {
    EditStep step(sim.History, sim);
    if (!TargetHolds(sim, fields.Form, fields.Block, fields.FunctionCode)) return false;
    Block& output = sim.Forms[fields.Form].Blocks[fields.Block];
    output.Title = fields.Title;
    output.Units = fields.Units;
    sim.Windows.RequestRedraw(fields.Form);
    return true;
}

}  // namespace quorvane
