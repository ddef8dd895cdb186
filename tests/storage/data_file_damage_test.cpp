#include <gtest/gtest.h>

#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage_fixture.h"

namespace quorvane::testing {
namespace {

const std::string LoadError = "Loading Simulation File  ";

// Two forms with blocks, connections, lines and terminal entries: every kind of section.
std::string MediumFileText() {
    TestSimulation t;
    BuildSmallModel(t.Sim);
    SimulationForm& third = t.Sim.Forms[3];
    third = t.Sim.Forms[1];
    third.RegId = 3;
    third.Blocks[2].FunctionCode = 50;
    third.Terminals[1] = TerminalEntry{2, 2};
    third.TermCount = 1;
    t.Sim.BlockSpareLong[2] = 9;
    t.Sim.FormCount = 2;
    return SimulationText(t.Sim, "medium.vqe").value();
}

// The guarantees every other part of the program relies on, whatever the file held.
void ExpectTablesSound(const Simulation& sim, bool complete) {
    int inUse = 0;
    for (int f = 1; f <= FormSlots; ++f) {
        const SimulationForm& form = sim.Forms[f];
        if (form.InUse == 0) continue;
        ++inUse;
        EXPECT_EQ(form.RegId, f);
        ASSERT_GE(form.BlockCount, 0);
        ASSERT_LE(form.BlockCount, MaxBlocks);
        for (int b = 1; b <= form.BlockCount; ++b) {
            const Block& block = form.Blocks[b];
            EXPECT_GE(block.FunctionCode, 0);
            EXPECT_LT(block.FunctionCode, FunctionCodeLast);
            for (int k = 1; k <= MaxInputs; ++k) {
                EXPECT_GE(block.Input[k], 0);
                EXPECT_LE(block.Input[k], form.BlockCount);
            }
        }
        ASSERT_GE(form.NextConnection, 1);
        ASSERT_LE(form.NextConnection, ConnectionLimit);
        ASSERT_GE(form.NextLine, 1);
        ASSERT_LE(form.NextLine, LineLimit);
        for (int c = 1; c < form.NextConnection; ++c) {
            const Connection& connection = form.Connections[c];
            EXPECT_GE(connection.ToInput, 1);
            EXPECT_LE(connection.ToInput, MaxInputs);
            EXPECT_GE(connection.ToBlock, 1);
            EXPECT_LE(connection.ToBlock, form.BlockCount);
            EXPECT_GE(connection.FromBlock, 1);
            EXPECT_LE(connection.FromBlock, form.BlockCount);
            EXPECT_GE(connection.FirstLine, 1);
            EXPECT_GE(connection.LineCount, 1);
            EXPECT_LE(connection.LineCount, MaxSegments);
            EXPECT_LT(connection.FirstLine + connection.LineCount - 1, complete ? form.NextLine : LineTableLast);
        }
        ASSERT_GE(form.TermCount, 0);
        ASSERT_LE(form.TermCount, TerminalTableLast);
        for (int i = 1; i <= TerminalTableLast; ++i) {
            EXPECT_LE(form.Terminals[i].TermBlk, form.BlockCount);
            EXPECT_LE(form.Terminals[i].OpBlk, form.BlockCount);
        }
    }
    EXPECT_EQ(sim.FormCount, inUse);
    EXPECT_GE(sim.RunForm, 0);
    EXPECT_LE(sim.RunForm, FormSlots);
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
        const bool loaded = LoadSimulationText(t.Sim, JoinLines(cut), "/m/cut.vqe");
        if (kept >= firstOptional) {
            EXPECT_TRUE(loaded);
            EXPECT_EQ(t.Host.Messages(),
                      std::vector<std::string>{"EOF Encountered - Old File Type assumed - Loading Complete"});
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

}  // namespace
}  // namespace quorvane::testing
