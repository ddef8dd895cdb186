#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/simulation.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace quorvane {

using Kind = RecordingCanvas::Kind;

/// A simulation that reports to a recording host, a recording canvas to draw on, and a scratch
/// folder of its own. Form 1, "Plant", is the form last run.
struct ResultsFixture : ::testing::Test {
    ResultsFixture() {
        Sim.Forms[1].Title = "Plant";
        Sim.RunForm = 1;
    }

    /// A block of `code` appended to form 1 at (left, top).
    Block& Add(int code, int left = 1200, int top = 1200) {
        SimulationForm& form = Sim.Forms[1];
        Block& block = form.Blocks[++form.BlockCount];
        block.FunctionCode = code;
        block.Left = left;
        block.Top = top;
        return block;
    }

    static std::string FileText(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const testing::ScratchFolder Scratch;
    const std::filesystem::path Folder = Scratch.Path;
    RecordingHost Host;
    NullDesktop Windows;
    Simulation Sim{Host, Windows};
    RecordingCanvas Canvas;
};

}  // namespace quorvane
