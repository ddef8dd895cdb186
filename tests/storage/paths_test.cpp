#include <gtest/gtest.h>

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
        EXPECT_EQ(parts.Path, c.expected.Path);
        EXPECT_EQ(parts.Drive, c.expected.Drive);
        EXPECT_EQ(parts.Folder, c.expected.Folder);
        EXPECT_EQ(parts.Name, c.expected.Name);
        EXPECT_EQ(parts.Extension, c.expected.Extension);
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

    const PathParts parts = Unpack("/srv/sim/loop.vqe", "vqe");
    EXPECT_EQ(JoinPath(parts.Drive, parts.Folder, parts.Name, parts.Extension), "/srv/sim/loop.vqe");
}

}  // namespace
}  // namespace quorvane
