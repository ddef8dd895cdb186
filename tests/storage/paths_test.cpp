#include <gtest/gtest.h>

#include <tuple>

#include "storage/paths.h"

namespace quorvane {
namespace {

TEST(Paths, UnpackSplitsFolderNameAndExtension) {
    struct Case {
        std::string path;
        PathParts expected;
    };
    const std::vector<Case> cases = {
        {"/home/ann/models/pump.vqe", {"/home/ann/models/pump.vqe", "", "/home/ann/models/", "pump", "vqe"}},
        // A bare name gets the default extension and no folder: the dialog supplies its own.
        {"pump", {"pump.vqe", "", "", "pump", "vqe"}},
        {"pump.", {"pump.", "", "", "pump", "vqe"}},
        {"/data/run.backup.vqe", {"/data/run.backup.vqe", "", "/data/", "run", "backup.vqe"}},
        // Dots in folder names belong to the folder.
        {"/home/ann/.models/pump", {"/home/ann/.models/pump.vqe", "", "/home/ann/.models/", "pump", "vqe"}},
        {"/pump.vqe", {"/pump.vqe", "", "/", "pump", "vqe"}},
        // A search pattern: the folder ends before the "*".
        {"/data/*.vqe", {"/data/*.vqe", "", "/data", "*", "vqe"}},
        {"C:pump.vqe", {"C:pump.vqe", "", "", "C:pump", "vqe"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const PathParts parts = Unpack(c.path, "vqe");
        const auto fields = [](const PathParts& p) { return std::tie(p.Path, p.Drive, p.Folder, p.Name, p.Extension); };
        EXPECT_EQ(fields(parts), fields(c.expected));
    }
}

TEST(Paths, FnamePackJoinsWithOneSeparator) {
    FilePaths paths;
    paths.CurrentExt = "vqe";
    paths.CurrentFolder = "/home/ann/models";
    EXPECT_EQ(FnamePack(paths, "Unnamed Simulation"), "/home/ann/models/Unnamed Simulation.vqe");
    paths.CurrentFolder = "/home/ann/models/";
    EXPECT_EQ(FnamePack(paths, "pump"), "/home/ann/models/pump.vqe");
    paths.CurrentFolder = "";
    EXPECT_EQ(FnamePack(paths, "pump"), "pump.vqe");
}

}  // namespace
}  // namespace quorvane
