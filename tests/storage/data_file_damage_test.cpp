#include <gtest/gtest.h>

#include "model/edit_history.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage/legacy_reader.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane::testing {
namespace {

const std::string LoadError = "Loading Simulation File  ";

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// The guarantees every other part of the program relies on, whatever the file held.
void ExpectTablesSound(const Simulation& sim, bool complete) {
    int inUse = 0;
    for (int f = 1; f <= FormSlots; ++f) {
        const SimulationForm& form = sim.Forms[f];
        if (form.InUse == 0) continue;
        ++inUse;
        EXPECT_EQ(form.RegId, f);
        ASSERT_PRED3(Within, form.BlockCount, 0, MaxBlocks);
        for (int b = 1; b <= form.BlockCount; ++b) {
            EXPECT_PRED3(Within, form.Blocks[b].FunctionCode, 0, FunctionCodeLast - 1);
            for (int k = 1; k <= MaxInputs; ++k) EXPECT_PRED3(Within, form.Blocks[b].Input[k], 0, form.BlockCount);
        }
        ASSERT_PRED3(Within, form.NextConnection, 1, ConnectionLimit);
        ASSERT_PRED3(Within, form.NextLine, 1, LineLimit);
        for (int c = 1; c < form.NextConnection; ++c) {
            const Connection& connection = form.Connections[c];
            EXPECT_PRED3(Within, connection.ToInput, 1, MaxInputs);
            EXPECT_PRED3(Within, connection.ToBlock, 1, form.BlockCount);
            EXPECT_PRED3(Within, connection.FromBlock, 1, form.BlockCount);
            EXPECT_GE(connection.FirstLine, 1);
            EXPECT_PRED3(Within, connection.LineCount, 1, MaxSegments);
            EXPECT_LT(connection.FirstLine + connection.LineCount - 1, complete ? form.NextLine : LineTableLast);
        }
        ASSERT_PRED3(Within, form.TermCount, 0, TerminalTableLast);
        for (int i = 1; i <= TerminalTableLast; ++i) {
            EXPECT_LE(form.Terminals[i].TermBlk, form.BlockCount);
            EXPECT_LE(form.Terminals[i].OpBlk, form.BlockCount);
        }
    }
    EXPECT_EQ(sim.FormCount, inUse);
    EXPECT_PRED3(Within, sim.RunForm, 0, FormSlots);
}

TEST(DataFileDamage, FileCutAfterAnyLineLoadsAsOldOrIsRefused) {
    const std::vector<std::string> lines = SplitLines(MediumFileText());
    // The terminal sections start after the header, both form sections and the window places.
    const auto terminals = std::find(lines.begin(), lines.end(), "\"Termination and Misc information for form:\",1");
    ASSERT_NE(terminals, lines.end());
    const std::size_t firstOptional = static_cast<std::size_t>(terminals - lines.begin());
    // Every load starts by clearing the model, so one simulation serves all the cuts.
    TestSimulation t;
    for (std::size_t kept = 0; kept < lines.size(); ++kept) {
        SCOPED_TRACE("lines kept: " + std::to_string(kept));
        const std::vector<std::string> cut(lines.begin(), lines.begin() + static_cast<long>(kept));
        t.Host.Clear();
        t.Windows.Calls.clear();
        const bool loaded = LoadSimulationText(t.Sim, JoinLines(cut), "/m/cut.vqe");
        if (kept >= firstOptional) {
            EXPECT_TRUE(loaded);
            EXPECT_EQ(t.Host.Messages(),
                      std::vector<std::string>{"EOF Encountered - Old File Type assumed - Loading Complete"});
            // A file of an earlier version: what it holds is kept and the sheets are rebuilt from it.
            EXPECT_EQ(t.Sim.Forms[3].Blocks[2].FunctionCode, 50);
            EXPECT_EQ(t.PlaceCalls().back(), "ActivateSheet 1");
        } else {
            EXPECT_FALSE(loaded);
            EXPECT_EQ(t.Host.Messages(), std::vector<std::string>{LoadError + "Unexpected end of file after line " +
                                                                  std::to_string(kept)});
        }
        ExpectTablesSound(t.Sim, loaded);
    }
}

TEST(DataFileDamage, SingleLineCorruptionIsRefusedOrHarmless) {
    const std::vector<std::string> lines = SplitLines(MediumFileText());
    const std::vector<std::string> replacements = {"",       "x",  "\"x\"",      "-1",          "0",
                                                   "71",     "3",  "2147483648", "1E+39",       "#TRUE#",
                                                   "0.5",    "\"", "\"BlockNo:\",1", "1024"};
    int refused = 0;
    TestSimulation t;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const std::string& replacement : replacements) {
            std::vector<std::string> damaged = lines;
            damaged[i] = replacement;
            SCOPED_TRACE("line " + std::to_string(i + 1) + " -> " + replacement);
            t.Host.Clear();
            const bool loaded = LoadSimulationText(t.Sim, JoinLines(damaged), "/m/damaged.vqe");
            const std::vector<std::string> messages = t.Host.Messages();
            if (loaded) {
                EXPECT_TRUE(messages.empty());
            } else {
                ++refused;
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_EQ(messages[0].rfind(LoadError, 0), 0u) << messages[0];
            }
            ExpectTablesSound(t.Sim, loaded);
        }
    }
    EXPECT_GT(refused, 0);
}

// The open model, its sheets, settings, title and edits stay as they were whatever a load refuses:
// the model is read whole on its own first.
TEST(DataFileDamage, ARefusedLoadLeavesTheOpenModelAsItWas) {
    ScratchFolder folder;
    TestSimulation t;
    BuildRichModel(t.Sim);
    const std::string open = (folder / "open.vqe").string();
    ASSERT_TRUE(SaveSimulation(t.Sim, open));
    {
        EditStep edit(t.Sim.History, t.Sim);
        t.Sim.Forms[2].Title = "Edited since";
    }
    const std::string before = SimulationText(t.Sim, "open.vqe").value();
    const int current = t.Sim.CurrentForm;

    std::vector<std::string> lines = SplitLines(before);
    WriteAll(folder / "damaged.vqe", before.substr(0, 900));
    WriteAll(folder / "truncated.vqe", JoinLines({lines.begin(), lines.begin() + 40}));
    const auto block = std::find(lines.begin(), lines.end(), "\"BlockNo:\",1");
    ASSERT_NE(block, lines.end());
    block[1] = "99";
    WriteAll(folder / "corrupted.vqe", JoinLines(lines));
    std::filesystem::create_directory(folder / "folder.vqe");

    struct Case {
        const char* File;
        bool Legacy;
        std::string Message;   ///< the whole message, or its start when it ends in two spaces
    };
    const Case cases[] = {
        {"damaged.vqe", false, LoadError},
        {"damaged.vqe", true, LoadError},
        {"truncated.vqe", false, LoadError + "Unexpected end of file after line 40"},
        {"corrupted.vqe", false, LoadError},
        {"gone.vqe", false, "No such file or directory - File Load"},
        {"gone.vqe", true, "No such file or directory - File Load"},
        {"folder.vqe", false, LoadError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.File) + (c.Legacy ? " as the older layout" : ""));
        t.Host.Clear();
        t.Windows.Calls.clear();
        const std::string path = (folder / c.File).string();
        EXPECT_FALSE(c.Legacy ? LoadLegacySimulation(t.Sim, path) : LoadSimulation(t.Sim, path));
        ASSERT_EQ(t.Host.Messages().size(), 1u);
        if (c.Message.ends_with("  ")) {
            EXPECT_TRUE(t.Host.Messages()[0].starts_with(c.Message)) << t.Host.Messages()[0];
        } else {
            EXPECT_EQ(t.Host.Messages()[0], c.Message);
        }
        EXPECT_TRUE(t.Windows.Calls.empty());
        EXPECT_EQ(SimulationText(t.Sim, "open.vqe"), before);
        EXPECT_EQ(t.Sim.CurrentForm, current);
        EXPECT_EQ(t.Sim.Run.SimulationTitle, "open");
        EXPECT_TRUE(t.Sim.History.Changed());
        EXPECT_TRUE(t.Sim.History.CanUndo());
    }
    ASSERT_TRUE(SaveSimulation(t.Sim, open));
    EXPECT_EQ(ReadAll(open), before);
}

}  // namespace
}  // namespace quorvane::testing
