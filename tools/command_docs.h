#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// One entry of a help text's list: "  --sheet N PATH   sheet N drawn as ...".
struct HelpItem {
    std::string Term;          ///< "--sheet N PATH"
    std::string Description;   ///< continuation lines joined with single spaces
};

/// A block of a help text: a paragraph, or a list of items.
struct HelpBlock {
    std::string Paragraph;     ///< empty for a list
    std::vector<HelpItem> Items;
};

/// A titled part of the help text ("Options:" gives "OPTIONS"); the text before the first title
/// is the description.
struct HelpSection {
    std::string Title;
    std::vector<HelpBlock> Blocks;
};

/// A command's --help text: "Usage: NAME SYNOPSIS" on its first line, then paragraphs, lists whose
/// items are indented by two spaces with the description after two or more spaces (deeper
/// indented lines continue it), and titles ("Options:") at the left margin.
struct HelpText {
    std::string Name;
    std::string Synopsis;
    std::vector<HelpSection> Sections;
};

/// Reads a help text laid out as above; throws std::runtime_error when the first line is not a
/// usage line.
HelpText ParseHelpText(std::string_view text);

/// What names a man page besides the help text.
struct ManPageHeading {
    std::string Summary;                 ///< the NAME line's "name \- summary"
    std::string Source;                  ///< "Quorvane 0.1.0"
    std::vector<std::string> SeeAlso;    ///< "quorvane(1)"
};

/// The help text as a section 1 manual page in roff.
std::string ManPage(const HelpText& help, const ManPageHeading& heading);

/// A bash completion script for the command: its options (from every list item starting with
/// "-"), the literal words an option takes ("impulse"), file names for PATH and FILE arguments,
/// and the command's own files (`fileGlob`, "*.vqe") otherwise.
std::string BashCompletion(const HelpText& help, std::string_view fileGlob);

}  // namespace quorvane
