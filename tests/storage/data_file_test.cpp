#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>

#include "editing/form_slots.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "storage/legacy_reader.h"
#include "storage/line_reader.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane::testing {
namespace {

const std::filesystem::path GoldenSmall = std::filesystem::path(QUORVANE_TEST_DATA) / "golden_small.vqe";
const std::string OldFileMessage = "EOF Encountered - Old File Type assumed - Loading Complete";

TEST(DataFile, SmallModelMatchesTheHandWrittenFile) {
    TestSimulation t;
    BuildSmallModel(t.Sim);
    ScratchFolder folder;
    const std::string path = (folder / "golden_small.vqe").string();
    ASSERT_TRUE(SaveSimulation(t.Sim, path));
    EXPECT_EQ(ReadAll(GoldenSmall), ReadAll(path));
    EXPECT_EQ(t.Host.Messages(), std::vector<std::string>{"Simulation Saved: " + path});
    // The file's rows 2 and 22 hold the title it was saved under; the model now carries the name.
    EXPECT_EQ(t.Sim.Run.SimulationTitle, "golden_small");
    EXPECT_EQ(t.PlaceCalls().back(), "SetMainCaption Quorvane  06 December 2026       golden_small");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    TestSimulation loaded;
    ASSERT_TRUE(LoadSimulation(loaded.Sim, GoldenSmall.string()));
    EXPECT_TRUE(loaded.Host.Messages().empty());
    // Both carry the file's name as their title now, so any saved field read wrongly shows here.
    EXPECT_EQ(SimulationText(loaded.Sim, "golden_small.vqe"), SimulationText(t.Sim, "golden_small.vqe"));
    EXPECT_EQ(loaded.Sim.CurrentForm, 1);
    EXPECT_TRUE(loaded.Windows.Called("PlaceSheet 1"));
    EXPECT_TRUE(loaded.Windows.Called("ShowSheet 1 Step test"));
    EXPECT_EQ(loaded.PlaceCalls().back(), "ActivateSheet 1");
}

// One form in slot 2: a Constant feeding an Output Terminal through a connection of three lines,
// with a freed terminal entry below the used one, limits, spare values, window places left unset
// and every setting away from its default.
void BuildSectionModel(Simulation& sim) {
    SetUnusualSettings(sim, "sections");
    ClaimSlot(sim, 2, "Heater loop");
    SimulationForm& form = sim.Forms[2];
    form.BlockCount = 2;
    form.Blocks[1] = Block{.FunctionCode = 1, .Left = 1200, .Top = 960, .Output = 2.5f, .SatHigh = 5.0f,
                           .SatLow = -5.0f, .InitialCondition = 2.5f, .Title = "Supply", .Units = "V"};
    Block& terminal = form.Blocks[2];
    terminal = Block{.FunctionCode = 50, .Left = 3000, .Top = 1200, .Title = "To plant", .Units = "",
                     .SpareSingle = 0.1f};
    terminal.Input[1] = 1;
    terminal.Work[1] = 1e-6f;
    terminal.History[1] = -2e20f;
    terminal.Constant[3] = 0.25f;
    form.Connections[1] = Connection{.ToInput = 1, .ToBlock = 2, .FromBlock = 1, .FromOutput = 2,
                                     .LineCount = 3, .FirstLine = 1};
    form.NextConnection = 2;
    form.Lines[1] = {1800, 1260, 2400, 1260};
    form.Lines[2] = {2400, 1260, 2400, 1500};
    form.Lines[3] = {2400, 1500, 3000, 1500};
    form.NextLine = 4;
    form.Window = WindowPlace{300.0, std::nullopt, 4800.0, 3600.5};
    form.Terminals[2] = TerminalEntry{2, 2};
    form.TermCount = 1;
    form.SpareLong = 7;
    form.SpareHigh = 3.0f;
    form.SpareLow = -3.0f;
    form.SpareLong2 = -4;
    form.SpareSingle = 2.5f;
    sim.BlockSpareLong[1] = 1000003;
    sim.BlockSpareLong[2] = -9;
}

TEST(DataFile, EverySectionIsWrittenAsLaidOut) {
    TestSimulation built;
    BuildSectionModel(built.Sim);
    const std::vector<std::string> written = SplitLines(SimulationText(built.Sim, "sections.vqe").value());
    std::vector<std::string> handWritten;
    std::size_t at = 0;
    for (const char* name : {"header.txt", "form.txt", "result_windows.txt", "terminal.txt", "status.txt"}) {
        SCOPED_TRACE(name);
        const Strings section = ReadLines(std::filesystem::path(QUORVANE_TEST_DATA) / "sections" / name);
        ASSERT_FALSE(section.empty());
        ASSERT_LE(at + section.size(), written.size());
        EXPECT_EQ(std::vector<std::string>(written.begin() + static_cast<long>(at),
                                           written.begin() + static_cast<long>(at + section.size())),
                  section);
        at += section.size();
        handWritten.insert(handWritten.end(), section.begin(), section.end());
    }
    EXPECT_EQ(at, written.size());

    // Read back, the hand-written file gives the built model, and writes the same lines again.
    TestSimulation loaded;
    ASSERT_TRUE(LoadSimulationText(loaded.Sim, JoinLines(handWritten), "/m/sections.vqe"));
    EXPECT_TRUE(loaded.Host.Messages().empty());
    EXPECT_EQ(loaded.Sim.Forms[2], built.Sim.Forms[2]);
    EXPECT_EQ(loaded.Sim.Forms[1].InUse, 0);
    EXPECT_EQ(loaded.Sim.BlockSpareLong[2], -9);
    EXPECT_EQ(SplitLines(SimulationText(loaded.Sim, "sections.vqe").value()), handWritten);
}

TEST(DataFile, RichModelSavesLoadsAndSavesTheSameBytes) {
    TestSimulation first;
    BuildRichModel(first.Sim);
    ScratchFolder folder;
    const std::string path = (folder / "rich_model.vqe").string();
    ASSERT_TRUE(SaveSimulation(first.Sim, path));

    TestSimulation second;
    ASSERT_TRUE(LoadSimulation(second.Sim, path));
    EXPECT_TRUE(second.Host.Messages().empty());
    for (int f = 1; f <= FormSlots; ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(second.Sim.Forms[f], first.Sim.Forms[f]);
    }
    EXPECT_EQ(second.Sim.BlockSpareLong, first.Sim.BlockSpareLong);
    EXPECT_EQ(second.Sim.GraphWindow, first.Sim.GraphWindow);
    EXPECT_EQ(second.Sim.TabulationWindow, first.Sim.TabulationWindow);
    // Both now carry the file's name as their title, so every saved field shows here.
    EXPECT_EQ(SimulationText(second.Sim, "again.vqe"), SimulationText(first.Sim, "again.vqe"));
}

// A constant 2 through a gain of 1.7014117E+38 leaves the largest float as an output; the file
// saved after such a run must load, and every value must come back to the same bits.
TEST(DataFile, ValuesAtTheFloatLimitsLoadBack) {
    TestSimulation t;
    BuildSmallModel(t.Sim);
    Block& gain = t.Sim.Forms[1].Blocks[2];
    const std::vector<float> values = {FLT_MAX, -FLT_MAX, FLT_TRUE_MIN, -0.0f, FLT_MIN, 3.4028234E+38f};
    gain.Output = values[0];
    gain.Constant[1] = values[1];
    gain.Constant[2] = values[2];
    gain.Constant[3] = values[3];
    gain.InitialCondition = values[4];
    t.Sim.Run.StopTime = values[5];
    t.Sim.Run.SimulationTitle = "limits";   // as the load takes it from the file's name
    const std::string text = SimulationText(t.Sim, "limits.vqe").value();

    TestSimulation loaded;
    ASSERT_TRUE(LoadSimulationText(loaded.Sim, text, "/m/limits.vqe"));
    EXPECT_TRUE(loaded.Host.Messages().empty());
    const Block& back = loaded.Sim.Forms[1].Blocks[2];
    const std::vector<float> read = {back.Output, back.Constant[1], back.Constant[2],
                                     back.Constant[3], back.InitialCondition, loaded.Sim.Run.StopTime};
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(read[i]), std::bit_cast<std::uint32_t>(values[i]));
    }
    EXPECT_EQ(SimulationText(loaded.Sim, "limits.vqe"), text);
}

TEST(DataFile, EmptyFormInSlotThree) {
    TestSimulation t;
    t.Sim.Forms[3].InUse = 1;
    t.Sim.Forms[3].RegId = 3;
    t.Sim.Forms[3].Title = "Third";
    t.Sim.FormCount = 1;
    const std::vector<std::string> lines = SplitLines(SimulationText(t.Sim, "third.vqe").value());
    const std::vector<std::string> section(lines.begin() + 24, lines.begin() + 24 + 14);
    EXPECT_EQ(section, (std::vector<std::string>{"3", "0", "3", "\"Third\"", "\"Block information for form:\",3",
                                                  "\"connection information for form:\",3", "1",
                                                  "\"Line information for form:\",3", "1", "\"Form Position\"", "",
                                                  "", "", ""}));
    TestSimulation loaded;
    ASSERT_TRUE(LoadSimulationText(loaded.Sim, JoinLines(lines), "/m/third.vqe"));
    EXPECT_EQ(FirstAllocatedForm(loaded.Sim), 3);

    // The older layout puts the n-th section into slot n.
    std::vector<std::string> legacy(lines.begin(), lines.begin() + 24 + 18);
    legacy.push_back("\"end\"");
    TestSimulation old;
    ASSERT_TRUE(LoadLegacySimulationText(old.Sim, JoinLines(legacy), "/m/legacy.vqe"));
    EXPECT_TRUE(old.Host.Messages().empty());
    EXPECT_EQ(old.Sim.Forms[1].RegId, 1);
    EXPECT_EQ(old.Sim.Forms[1].Title, "Third");
    EXPECT_EQ(old.Sim.Forms[3].InUse, 0);
    EXPECT_EQ(old.Sim.FormCount, 1);

    legacy.pop_back();
    TestSimulation ended;
    EXPECT_TRUE(LoadLegacySimulationText(ended.Sim, JoinLines(legacy), "/m/legacy.vqe"));
    EXPECT_EQ(ended.Host.Messages(), std::vector<std::string>{OldFileMessage});
}

TEST(DataFile, ResultWindowsAreMovedOnlyWhenTheirOutputIsOn) {
    std::vector<std::string> lines = SplitLines(ReadAll(GoldenSmall));
    lines[16] = "#FALSE#";   // Graphical output off
    lines[94] = "600";       // graph window Top
    TestSimulation t;
    ASSERT_TRUE(LoadSimulationText(t.Sim, JoinLines(lines), "/m/small.vqe"));
    EXPECT_EQ(t.Sim.GraphWindow.Top, 600.0);   // kept for the next save
    EXPECT_FALSE(t.Windows.Called("PlaceGraphWindow"));
    EXPECT_TRUE(t.Windows.Called("PlaceTabulationWindow"));
    EXPECT_FALSE(t.Windows.Called("RefreshFrequencySwitches"));

    lines[18] = "#TRUE#";   // FFT on: the frequency display follows the switches read
    TestSimulation fft;
    ASSERT_TRUE(LoadSimulationText(fft.Sim, JoinLines(lines), "/m/small.vqe"));
    EXPECT_TRUE(fft.Windows.Called("RefreshFrequencySwitches"));
}

TEST(DataFile, BadContentIsRefusedWithWhatAndWhere) {
    const std::vector<std::string> golden = SplitLines(ReadAll(GoldenSmall));
    struct Case {
        int line;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {3, "abc", "Type mismatch in line 3"},
        {10, "9", "Bad digit count 9 in line 10"},
        {23, "4", "Form count 4 exceeds 3 in line 23"},
        {25, "4", "Bad form number 4 in line 25"},
        {26, "71", "Block count 71 exceeds 70 in line 26"},
        {27, "2", "Form 1 registered as 2 in line 27"},
        {28, "Step test", "Type mismatch in line 28"},
        {28, "\"" + std::string(LongestText + 1, 'x') + "\"", "Text of more than 4096 characters in line 28"},
        {31, "64", "Bad function code 64 in line 31"},
        // Places far enough out to overflow the drawing arithmetic.
        {32, "-100000001", "Bad position -100000001 in line 32"},
        {88, "2000000000", "Bad position 2000000000 in line 88"},
        {93, "3E+09", "Window place out of range in line 93"},
        {95, "-1E+38", "Window place out of range in line 95"},
        {57, "3", "Block 3 does not exist in line 57"},
        {77, "106", "Next connection 106 exceeds 105 in line 77"},
        {79, "0", "Block 0 does not exist in line 79"},
        {83, "21", "Bad line count 21 in line 83"},
        {85, "1", "Connection 1 lines 1 to 1 outside the line table in line 85"},
        {85, "301", "Next line 301 exceeds 300 in line 85"},
        {100, "31", "Terminal count 31 exceeds 30 in line 100"},
        {112, "11", "Bad graph X axis column 11 in line 112"},
        {126, "1000", "Bad FFT size 1000, 512, 10 in line 128"},
        {127, "1024", "Bad FFT size 1024, 1024, 10 in line 128"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
        std::vector<std::string> lines = golden;
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        TestSimulation t;
        EXPECT_FALSE(LoadSimulationText(t.Sim, JoinLines(lines), "/m/bad.vqe"));
        EXPECT_EQ(t.Host.Messages(), std::vector<std::string>{"Loading Simulation File  " + c.message});
    }

    // A form named twice would leave FormCount above the allocated slots.
    std::vector<std::string> two = SplitLines(MediumFileText());
    two[94] = "1";
    TestSimulation loaded;
    EXPECT_FALSE(LoadSimulationText(loaded.Sim, JoinLines(two), "/m/two.vqe"));
    EXPECT_EQ(loaded.Host.Messages(), std::vector<std::string>{"Loading Simulation File  Form 1 appears twice in line 95"});
}

TEST(DataFile, FailedSaveKeepsTheFileItReplaces) {
    ScratchFolder folder;
    const std::string path = (folder / "keep.vqe").string();
    WriteAll(path, "old content");

    TestSimulation t;
    BuildSmallModel(t.Sim);
    t.Sim.FormCount = 2;   // only one slot allocated
    EXPECT_FALSE(SaveSimulation(t.Sim, path));
    EXPECT_EQ(t.Host.Messages(), std::vector<std::string>{"Form Management -mismatch in saving"});
    EXPECT_EQ(ReadAll(path), "old content");

    t.Sim.FormCount = 1;
    t.Host.Clear();
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_FALSE(SaveSimulation(t.Sim, path));
    EXPECT_EQ(t.Host.Messages(), std::vector<std::string>{"Error encountered during Saving Simulation - Permission denied"});
    EXPECT_EQ(ReadAll(path), "old content");
    EXPECT_EQ(t.Sim.Run.SimulationTitle, "Step test");

    t.Host.Clear();
    EXPECT_FALSE(SaveSimulation(t.Sim, (folder / "none" / "x.vqe").string()));
    EXPECT_EQ(t.Host.Messages(),
              std::vector<std::string>{"Error encountered during Saving Simulation - No such file or directory"});
}

}  // namespace
}  // namespace quorvane::testing
