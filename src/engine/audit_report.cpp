#include "engine/audit_report.h"

#include <initializer_list>

#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr std::size_t PrintZoneWidth = 14;

/// One printed line: items placed at character columns (counted from 1), or in the print
/// zones of 14 columns for lists.
class PrintedLine {
public:
    PrintedLine& Add(const std::string& item) {
        Text += item;
        return *this;
    }

    /// The next item starts at `column`; past it, a single space keeps the items apart.
    /// Columns count characters, so descriptions such as "Op=Ip/(As²+Bs+1)" keep the rest in line.
    PrintedLine& Tab(std::size_t column) {
        const std::size_t used = CharacterCount(Text);
        if (used + 1 < column) Text.append(column - 1 - used, ' ');
        else if (used + 1 > column) Text += ' ';
        return *this;
    }

    /// Items one per print zone.
    PrintedLine& Zones(std::initializer_list<std::string> items) {
        bool first = true;
        for (const std::string& item : items) {
            const std::size_t used = CharacterCount(Text);
            if (!first) Text.append((used / PrintZoneWidth + 1) * PrintZoneWidth - used, ' ');
            Text += item;
            first = false;
        }
        return *this;
    }

    std::string Text;
};

void BlockHeadings(std::vector<std::string>& lines) {
    lines.push_back(PrintedLine()
                        .Add(" Block   X         Y          Function")
                        .Tab(53).Add("Inputs")
                        .Tab(67).Add("Output")
                        .Tab(79).Add("Initial")
                        .Tab(92).Add("<----Work Values------->")
                        .Tab(126).Add(" Saturation")
                        .Tab(150).Add("Time Constants")
                        .Tab(186).Add("Working Constants")
                        .Text);
    lines.push_back(PrintedLine()
                        .Add("         Position  Position  ID    Description")
                        .Tab(53).Add("from blocks")
                        .Tab(79).Add("Condition")
                        .Tab(128).Add("Low        High")
                        .Text);
}

std::string BlockLine(const Simulation& sim, int number, const Block& b) {
    const std::string& description =
        b.FunctionCode >= 0 && b.FunctionCode <= FunctionCodeLast ? sim.Functions[b.FunctionCode].Formula : "";
    PrintedLine line;
    line.Add(Str(number)).Tab(7).Add(Str(b.Left)).Tab(14).Add(Str(b.Top)).Tab(23).Add(Str(b.FunctionCode));
    line.Tab(28).Add(description);
    line.Tab(53).Add(Str(b.Input[1])).Tab(57).Add(Str(b.Input[2])).Tab(61).Add(Str(b.Input[3]));
    line.Tab(66).Add(Str(b.Output)).Tab(78).Add(Str(b.InitialCondition));
    line.Tab(90).Add(Str(b.History[1])).Tab(102).Add(Str(b.History[2])).Tab(114).Add(Str(b.History[3]));
    line.Tab(126).Add(Str(b.SatLow)).Tab(138).Add(Str(b.SatHigh));
    line.Tab(150).Add(Str(b.Constant[1])).Tab(162).Add(Str(b.Constant[2])).Tab(174).Add(Str(b.Constant[3]));
    line.Tab(186).Add(Str(b.Work[1])).Tab(198).Add(Str(b.Work[2])).Tab(210).Add(Str(b.Work[3]));
    return line.Text;
}

void FormBlocks(const Simulation& sim, int form, std::vector<std::string>& lines) {
    const SimulationForm& f = sim.Forms[form];
    lines.push_back("Simulation Audit");
    if (f.InUse <= 0 || f.BlockCount < 1) {
        lines.push_back("");
        lines.push_back("No Simulation blocks");
        return;
    }
    lines.push_back("");
    BlockHeadings(lines);
    lines.push_back("");
    for (int b = 1; b <= f.BlockCount; ++b) lines.push_back(BlockLine(sim, b, f.Blocks[b]));
    lines.push_back("");
    lines.push_back("");
}

void FormList(const Simulation& sim, std::vector<std::string>& lines) {
    lines.push_back("");
    lines.push_back(sim.Run.SimulationTitle + " has " + Str(sim.FormCount) + " forms allocated");
    lines.push_back("");
    lines.push_back(PrintedLine().Zones({"index", "reg. ID", "Title Text"}).Text);
    for (int f = 1; f <= FormSlots; ++f) {
        const SimulationForm& form = sim.Forms[f];
        if (form.RegId != 0) lines.push_back(PrintedLine().Zones({Str(f), Str(form.RegId), form.Title}).Text);
    }
}

void TerminalTables(const Simulation& sim, std::vector<std::string>& lines) {
    lines.push_back("");
    lines.push_back("Terminal Tables");
    lines.push_back("");
    for (int f = 1; f <= FormSlots; ++f) {
        lines.push_back(PrintedLine().Zones({"Form " + Str(f), "Term Id", "Term Blk", "Op Blk"}).Text);
        for (int i = 1; i <= TerminalEntriesSearched; ++i) {
            const TerminalEntry& entry = sim.Forms[f].Terminals[i];
            if (entry.TermBlk > 0)
                lines.push_back(PrintedLine().Zones({Str(f), Str(i), Str(entry.TermBlk), Str(entry.OpBlk)}).Text);
        }
    }
}

void DisplayRunList(const Simulation& sim, std::vector<std::string>& lines) {
    const ExecutionList& order = sim.Order;
    lines.push_back("");
    lines.push_back(" Display run seq list holds " + Str(order.DisplayRunCount) + " blocks");
    if (order.DisplayRunCount < 1) return;
    std::string entries;
    for (int i = 1; i <= order.DisplayRunCount && i <= DisplayRunListLast; ++i)
        entries += Str(order.DisplayRunList[i]) + " ;  ";
    lines.push_back(entries);
    lines.push_back("");
}

}  // namespace

std::vector<std::string> AuditReport(const Simulation& sim) {
    std::vector<std::string> lines;
    // The first two forms are always listed, an unallocated one as holding no blocks; the
    // third when it is allocated.
    for (int f = 1; f <= FormSlots; ++f) {
        if (f <= 2 || sim.Forms[f].InUse > 0) FormBlocks(sim, f, lines);
    }
    FormList(sim, lines);
    TerminalTables(sim, lines);
    DisplayRunList(sim, lines);
    return lines;
}

}  // namespace quorvane
