#include <gtest/gtest.h>

#include <string>

#include "storage/clipboard_text.h"

namespace quorvane {
namespace {

SimulationForm TwoBlocks() {
    SimulationForm copied;
    copied.BlockCount = 2;
    Block& source = copied.Blocks[1];
    source.FunctionCode = 1;
    source.Left = 1200;
    source.Top = 600;
    source.InitialCondition = 0.1f;
    source.Output = 0.1f;
    source.Title = "Set point";
    Block& gain = copied.Blocks[2];
    gain.FunctionCode = 6;
    gain.Left = 2400;
    gain.Top = 600;
    gain.Input[1] = 1;
    gain.Constant[1] = -1e-6f;
    gain.SatHigh = 1e38f;
    gain.Title = "Gain";
    gain.Units = "m/s";
    copied.Connections[1] = {1, 2, 1, 1, 3, 1};
    copied.NextConnection = 2;
    copied.Lines[1] = {1860, 840, 2130, 840};
    copied.Lines[2] = {2130, 840, 2130, 960};
    copied.Lines[3] = {2130, 960, 2430, 960};
    copied.NextLine = 4;
    return copied;
}

TEST(ClipboardText, CopiedBlocksReadBackExactlyInTheDataFileForms) {
    const SimulationForm copied = TwoBlocks();
    const std::string text = BlocksText(copied);
    // The data file's own forms: quoted text, shortest floats, CRLF lines, markers.
    EXPECT_EQ(text.substr(0, 36), "\"Quorvane blocks\"\r\n2\r\n\"BlockNo:\",1\r\n");
    EXPECT_NE(text.find("\r\n-1E-06\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\"m/s\"\r\n"), std::string::npos);
    const std::optional<SimulationForm> back = ReadBlocksText(text);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == copied);
}

TEST(ClipboardText, TextASheetCouldNotTakeIsNoCopiedBlocks) {
    const std::string good = BlocksText(TwoBlocks());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    struct Case {
        const char* Name;
        std::string Text;
    };
    // Connection record: to input 1 of block 2, from block 1 output 1, lines 1..3.
    const std::string connection = "\r\n1\r\n2\r\n1\r\n1\r\n1\r\n3\r\n";
    const Case cases[] = {
        {"other text", "hello"},
        {"empty", ""},
        {"other heading", replaced("Quorvane blocks", "Quorvane block")},
        {"no blocks", replaced("\"Quorvane blocks\"\r\n2\r\n", "\"Quorvane blocks\"\r\n0\r\n")},
        {"71 blocks", replaced("\"Quorvane blocks\"\r\n2\r\n", "\"Quorvane blocks\"\r\n71\r\n")},
        {"connection from block 3", replaced(connection, "\r\n1\r\n2\r\n3\r\n1\r\n1\r\n3\r\n")},
        {"lines beyond the copy", replaced(connection, "\r\n1\r\n2\r\n1\r\n1\r\n2\r\n3\r\n")},
        {"cut short", good.substr(0, good.size() / 2)},
        {"no closing", replaced("\"end of blocks\"", "\"end\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_FALSE(ReadBlocksText(c.Text));
    }

    // Two connections into one input cannot both stand.
    SimulationForm twice = TwoBlocks();
    twice.Connections[2] = {1, 2, 2, 1, 3, 1};
    twice.NextConnection = 3;
    EXPECT_FALSE(ReadBlocksText(BlocksText(twice)));
    // Inputs follow the connections, whatever the text says.
    SimulationForm stray = TwoBlocks();
    stray.Blocks[1].Input[2] = 2;
    const std::optional<SimulationForm> mended = ReadBlocksText(BlocksText(stray));
    ASSERT_TRUE(mended);
    EXPECT_EQ(mended->Blocks[1].Input[2], 0);
    EXPECT_EQ(mended->Blocks[2].Input[1], 1);
}

}  // namespace
}  // namespace quorvane
