#include "engine/audit_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "engine/ordering.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

/// A line with each text starting at its character column (counted from 1).
std::string Columns(std::initializer_list<std::pair<int, std::string>> items) {
    std::string line;
    for (const auto& [column, text] : items) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line;
}

std::string BlockRow(const std::string& number, const std::string& left, const std::string& top,
                     const std::string& code, const std::string& description, const std::string& input1,
                     const std::string& output, const std::string& initial, const std::string& k1) {
    return Columns({{1, number},       {7, left},       {14, top},      {23, code},     {28, description},
                    {53, input1},      {57, " 0"},      {61, " 0"},     {66, output},   {78, initial},
                    {90, " 0"},        {102, " 0"},     {114, " 0"},    {126, "-1E+38"}, {138, " 1E+38"},
                    {150, k1},         {162, " 0"},     {174, " 0"},    {186, " 0"},    {198, " 0"},
                    {210, " 0"}});
}

std::string Zones(std::initializer_list<std::string> items) {
    std::string line;
    int zone = 0;
    for (const std::string& item : items) {
        line.resize(static_cast<std::size_t>(14 * zone++), ' ');
        line += item;
    }
    return line;
}

TEST(AuditReport, ListsBlocksInPlacementOrderThenInExecutionOrder) {
    TestSimulation m{Begin::RunReady};
    m.Add(6, "Gain", {2});
    m.Add(1, "Supply", {}, 3);
    m.At("Supply").Output = 3;
    m.Connect("Supply", "Gain");

    const std::vector<std::string> heading{
        "Simulation Audit",
        "",
        Columns({{1, " Block   X         Y          Function"},
                 {53, "Inputs"},
                 {67, "Output"},
                 {79, "Initial"},
                 {92, "<----Work Values------->"},
                 {126, " Saturation"},
                 {150, "Time Constants"},
                 {186, "Working Constants"}}),
        Columns({{1, "         Position  Position  ID    Description"},
                 {53, "from blocks"},
                 {79, "Condition"},
                 {128, "Low        High"}}),
        ""};
    // Form 2 is listed although it is not allocated.
    const std::vector<std::string> tail{
        "",
        "",
        "Simulation Audit",
        "",
        "No Simulation blocks",
        "",
        "Unnamed Simulation has  1 forms allocated",
        "",
        Zones({"index", "reg. ID", "Title Text"}),
        Zones({" 1", " 1", "Engine test"}),
        "",
        "Terminal Tables",
        "",
        Zones({"Form  1", "Term Id", "Term Blk", "Op Blk"}),
        Zones({"Form  2", "Term Id", "Term Blk", "Op Blk"}),
        Zones({"Form  3", "Term Id", "Term Blk", "Op Blk"}),
        "",
        " Display run seq list holds  0 blocks"};

    std::vector<std::string> before = heading;
    before.push_back(BlockRow(" 1", " 120", " 240", " 6", "Op=G*Ip", " 2", " 0", " 0", " 2"));
    before.push_back(BlockRow(" 2", " 240", " 480", " 1", "Op=C", " 0", " 3", " 3", " 0"));
    before.insert(before.end(), tail.begin(), tail.end());
    EXPECT_EQ(AuditReport(m.Sim), before);

    BuildExecutionOrder(m.Sim, 1);
    std::vector<std::string> after = heading;
    after.push_back(BlockRow(" 1", " 240", " 480", " 1", "Op=C", " 0", " 3", " 3", " 0"));
    after.push_back(BlockRow(" 2", " 120", " 240", " 6", "Op=G*Ip", " 1", " 0", " 0", " 2"));
    after.insert(after.end(), tail.begin(), tail.end());
    EXPECT_EQ(AuditReport(m.Sim), after);
}

TEST(AuditReport, EmptyFormsTerminalEntriesAndTheDisplayRunList) {
    TestSimulation m{Begin::RunReady};
    m.Add(8, "Tank", {1});
    m.Add(6, "Gain", {2});
    m.Add(42, "Display");
    m.Connect({{"Tank", "Gain"}, {"Gain", "Display"}});
    BuildExecutionOrder(m.Sim, 1);   // Gain 1, Tank 2, Display 3; the run list holds the Gain
    m.Sim.Forms[3].InUse = 1;
    m.Sim.Forms[3].RegId = 3;
    m.Sim.Forms[3].Title = "Spare";
    m.Sim.FormCount = 2;
    m.Sim.Forms[1].Terminals[2] = {5, 5};

    const std::vector<std::string> lines = AuditReport(m.Sim);
    // Form 2 is listed unallocated, then the allocated form 3.
    const auto second = std::find(lines.begin() + 1, lines.end(), "Simulation Audit");
    ASSERT_LT(second + 7, lines.end());
    EXPECT_EQ(std::vector<std::string>(second + 1, second + 7),
              (std::vector<std::string>{"", "No Simulation blocks", "Simulation Audit", "", "No Simulation blocks", ""}));
    EXPECT_EQ(*(second + 7), "Unnamed Simulation has  2 forms allocated");
    EXPECT_NE(std::find(lines.begin(), lines.end(), Zones({" 3", " 3", "Spare"})), lines.end());
    const auto form1 = std::find(lines.begin(), lines.end(), Zones({"Form  1", "Term Id", "Term Blk", "Op Blk"}));
    ASSERT_LT(form1 + 2, lines.end());
    EXPECT_EQ(*(form1 + 1), Zones({" 1", " 2", " 5", " 5"}));
    EXPECT_EQ(*(form1 + 2), Zones({"Form  2", "Term Id", "Term Blk", "Op Blk"}));
    const std::vector<std::string> end(lines.end() - 4, lines.end());
    EXPECT_EQ(end, (std::vector<std::string>{"", " Display run seq list holds  1 blocks", " 1 ;  ", ""}));
}

TEST(AuditReport, OverlongItemsStayApart) {
    TestSimulation m{Begin::RunReady};
    const int b = m.Add(6, "Gain", {-1.234567e-5f});
    m.Sim.Forms[1].Blocks[b].Constant[2] = 5;
    const std::string row = AuditReport(m.Sim)[5];
    EXPECT_NE(row.find("-1.234567E-05  5"), std::string::npos);
}

TEST(AuditReport, ColumnsCountCharactersNotBytes) {
    TestSimulation m{Begin::RunReady};
    m.Add(22, "Plant", {1, 1});
    const std::string row = AuditReport(m.Sim)[5];
    // The description holds a two-byte "²"; the inputs still start at character column 53.
    const std::string described = Columns({{1, " 1"}, {7, " 120"}, {14, " 240"}, {23, " 22"}, {28, "Op=Ip/(As²+Bs+1)"}});
    EXPECT_EQ(row.substr(0, described.size() + 11), described + std::string(9, ' ') + " 0");
}

}  // namespace
}  // namespace quorvane
