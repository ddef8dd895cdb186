#include "command_docs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/options.h"
#include "support/scratch_folder.h"

namespace quorvane {
namespace {

const char* const SmallHelp =
    "Usage: tool FILE [options]\n"
    "Does things\n"
    "to files.\n"
    "\n"
    "Options:\n"
    "  --out PATH     write to PATH,\n"
    "                 replacing it\n"
    "  -v             be loud\n"
    "  --mode fast    quickly\n"
    "  --mode slow    slowly\n"
    "  --pick \"A\".B=x1  or  \"A\".B=C:D\n"
    "                 pick one\n"
    "\n"
    ".Dotted and back\\slashed text stays text.\n";

TEST(ManPage, SetsOutTheHelpTextsSectionsItemsAndReferences) {
    const std::string page = ManPage(ParseHelpText(SmallHelp), {"do things", "Tool 1.2", {"other(1)", "more(5)"}});
    EXPECT_EQ(page,
              ".TH TOOL 1 \"\" \"Tool 1.2\" \"User Commands\"\n"
              ".SH NAME\ntool \\- do things\n"
              ".SH SYNOPSIS\n.B tool\nFILE [options]\n"
              ".SH DESCRIPTION\nDoes things to files.\n"
              ".SH OPTIONS\n"
              ".TP\n\\fB\\-\\-out\\fR \\fIPATH\\fR\nwrite to PATH, replacing it\n"
              ".TP\n\\fB\\-v\\fR\nbe loud\n"
              ".TP\n\\fB\\-\\-mode\\fR \\fBfast\\fR\nquickly\n"
              ".TP\n\\fB\\-\\-mode\\fR \\fBslow\\fR\nslowly\n"
              ".TP\n\\fB\\-\\-pick\\fR \\fI\"A\".B=x1\\fR \\fBor\\fR \\fI\"A\".B=C:D\\fR\npick one\n"
              ".PP\n\\&.Dotted and back\\eslashed text stays text.\n"
              ".SH \"SEE ALSO\"\n.BR other (1) ,\n.BR more (5)\n");
}

/// What bash offers after `words`, the last being the word being completed.
std::string Offered(const std::string& script, const std::string& words, const std::filesystem::path& folder) {
    const auto file = folder / "completion";
    std::ofstream(file) << script;
    const std::string command = "cd '" + folder.string() + "' && bash -c 'source completion; COMP_WORDS=(" + words +
                                "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _tool; echo \"${COMPREPLY[*]}\"'";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        ::pclose(pipe);
    }
    return out;
}

TEST(BashCompletion, OffersOptionsTheirWordsFilesAndTheCommandsOwnFiles) {
    testing::ScratchFolder folder;
    testing::WriteAll(folder / "model.vqe", "");
    testing::WriteAll(folder / "notes.txt", "");
    const std::string script = BashCompletion(ParseHelpText(SmallHelp), "*.vqe");
    struct Case {
        const char* Words;
        const char* Offered;
    };
    const Case cases[] = {
        {"tool --", "--out --mode --pick\n"},   // -v does not start with --
        {"tool -", "--out -v --mode --pick\n"},
        {"tool --pick \"\"", "\n"},   // a placeholder is the user's to type
        {"tool --pick x o", "\n"},      // "or" joins two forms of one argument, it is no second word
        {"tool --mode \"\"", "fast slow\n"},
        {"tool --mode s", "slow\n"},
        {"tool --out n", "notes.txt\n"},
        {"tool \"\"", "model.vqe\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Words);
        EXPECT_EQ(Offered(script, c.Words, folder.Path), c.Offered);
    }
}

TEST(RunnerHelp, NamesOnlyOptionsTheRunnerAccepts) {
    const HelpText help = ParseHelpText(RunnerUsage());
    EXPECT_EQ(help.Name, "quorvane-run");
    int options = 0;
    for (const HelpSection& section : help.Sections) {
        for (const HelpBlock& block : section.Blocks) {
            for (const HelpItem& item : block.Items) {
                SCOPED_TRACE(item.Term);
                // Every placeholder takes a value that at least reaches the option's own check.
                std::vector<std::string> args{"model.vqe"};
                std::istringstream words(item.Term);
                for (std::string word; words >> word;) args.push_back(args.size() == 1 || std::islower(static_cast<unsigned char>(word[0])) ? word : "1");
                std::string error;
                ParseRunnerOptions(args, error);
                EXPECT_NE(error.rfind("unknown option", 0), 0u) << error;
                EXPECT_FALSE(item.Description.empty());
                ++options;
            }
        }
    }
    EXPECT_GE(options, 10);
}

}  // namespace
}  // namespace quorvane
