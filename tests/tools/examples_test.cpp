#include "examples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using testing::ReadAll;
using testing::ScratchFolder;

std::vector<std::filesystem::path> BundledExamples() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_EXAMPLES)) {
        if (entry.path().extension() == ".vqe") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(Examples, EachLoadsWithoutAMessageAndSavesBackToTheSameBytes) {
    const std::vector<std::filesystem::path> examples = BundledExamples();
    ASSERT_EQ(examples.size(), 10u);
    for (const std::filesystem::path& path : examples) {
        SCOPED_TRACE(path.filename().string());
        TestSimulation t;
        ASSERT_TRUE(LoadSimulation(t.Sim, path.string()));
        EXPECT_TRUE(t.Host.Messages().empty());
        const std::optional<std::string> saved = SimulationText(t.Sim, path.filename().string());
        ASSERT_TRUE(saved);
        EXPECT_EQ(*saved, ReadAll(path));
    }
}

TEST(Examples, TheBundledFilesAreWhatTheToolWrites) {
    ScratchFolder folder;
    const std::vector<std::string> written = WriteExamples(folder.Path);
    EXPECT_EQ(written.size(), BundledExamples().size());
    for (const std::string& name : written) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadAll(folder / name), ReadAll(std::filesystem::path(QUORVANE_EXAMPLES) / name));
    }
}

}  // namespace
}  // namespace quorvane
