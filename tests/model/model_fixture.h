#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/desktop.h"
#include "model/simulation.h"
#include "model/start_up.h"
#include "model/starting_values.h"
#include "platform/recording_host.h"
#include "platform/text.h"

namespace quorvane {

/// A desktop that notes the sheet shows and closes it is asked for.
class SheetLog : public Desktop {
public:
    void ShowSheet(int form, const std::string& caption) override {
        Calls.push_back("show" + Str(form) + " " + caption);
    }
    void CloseSheet(int form) override { Calls.push_back("close" + Str(form)); }
    void RefreshOptions() override { Calls.push_back("options"); }

    std::vector<std::string> Calls;
};

/// A freshly started simulation (slot 1 allocated) with recording host and desktop.
class ModelFixture : public ::testing::Test {
protected:
    ModelFixture() {
        StartUp(Sim);
        Host.Clear();
        Windows.Calls.clear();
    }

    /// Places a block the way the editor does: appended, starting values applied, removed
    /// again when they are refused. Returns the block number, 0 when refused.
    int Place(int form, int code, int left = 1200, int top = 1200) {
        SimulationForm& sheet = Sim.Forms[form];
        const int block = ++sheet.BlockCount;
        sheet.Blocks[block] = Block{};
        sheet.Blocks[block].FunctionCode = code;
        sheet.Blocks[block].Left = left;
        sheet.Blocks[block].Top = top;
        if (ApplyStartingValues(Sim, form, block)) return block;
        sheet.Blocks[block] = Block{};
        --sheet.BlockCount;
        return 0;
    }

    /// Points an Input Terminal block at (form, entry).
    void Link(int form, int block, float sourceForm, float entry) {
        Sim.Forms[form].Blocks[block].Constant[1] = sourceForm;
        Sim.Forms[form].Blocks[block].Constant[2] = entry;
    }

    RecordingHost Host;
    SheetLog Windows;
    Simulation Sim{Host, Windows};
};

}  // namespace quorvane
