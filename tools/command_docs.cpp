#include "command_docs.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace quorvane {

namespace {

constexpr std::string_view UsagePrefix = "Usage: ";
constexpr std::string_view ItemIndent = "  ";
constexpr std::string_view Alternative = "or";   // between two forms of an option's argument

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void Append(std::string& text, std::string_view more) {
    if (!text.empty()) text += ' ';
    text += Trimmed(more);
}

std::size_t Indent(const std::string& line) {
    return std::min(line.find_first_not_of(' '), line.size());
}

/// The column where a list's descriptions start: where its continuation lines start, else after
/// the first gap of two spaces in its first item (npos when there is none).
std::size_t DescriptionColumn(const std::vector<std::string>& lines, std::size_t first) {
    std::size_t column = std::string::npos;
    for (std::size_t i = first + 1; i < lines.size() && !Trimmed(lines[i]).empty(); ++i) {
        if (Indent(lines[i]) > ItemIndent.size()) column = std::min(column, Indent(lines[i]));
    }
    if (column != std::string::npos) return column;
    const auto gap = lines[first].find("  ", ItemIndent.size());
    return gap == std::string::npos ? gap : Indent(lines[first].substr(gap)) + gap;
}

/// An item line split at the list's description column; a term reaching past the column (its
/// own words may be two spaces apart) has its description on the lines below.
HelpItem SplitItem(const std::string& line, std::size_t column) {
    const bool split = column < line.size() && line.compare(column - 2, 2, "  ") == 0 && line[column] != ' ';
    if (!split) return {Trimmed(line), {}};
    return {Trimmed(std::string_view(line).substr(0, column)), Trimmed(std::string_view(line).substr(column))};
}

bool IsTitle(const std::string& line) {
    return !line.empty() && line.front() != ' ' && line.back() == ':' && line.find(' ') == std::string::npos;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

/// Text for a roff text line: backslashes kept, and a leading period or quote not read as a request.
std::string Roff(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '\\' ? std::string("\\e") : std::string(1, c);
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

/// A word an option takes as it stands ("impulse"), not a placeholder ("N", "\"TITLE\".FIELD=v1").
bool IsLiteral(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

/// Options and the words they take as they stand in bold with real minus signs; placeholders in
/// italics.
std::string RoffTerm(std::string_view term) {
    std::string out;
    for (const std::string& word : Words(term)) {
        const bool placeholder = !word.starts_with("-") && !IsLiteral(word);
        std::string escaped;
        for (char c : Roff(word)) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        if (!out.empty()) out += ' ';
        out += (placeholder ? "\\fI" : "\\fB") + escaped + "\\fR";
    }
    return out;
}

/// What the argument at one place after an option is.
struct ArgumentKind {
    std::set<std::string> Words;   ///< literal words to offer
    bool File = false;
};

bool IsFilePlaceholder(const std::string& word) {
    return word.find("PATH") != std::string::npos || word.find("FILE") != std::string::npos ||
           word.find("FOLDER") != std::string::npos;
}

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (const std::string& word : words) out += (out.empty() ? "" : std::string(separator)) + word;
    return out;
}

}  // namespace

HelpText ParseHelpText(std::string_view text) {
    const std::vector<std::string> lines = Lines(text);
    if (lines.empty() || !lines.front().starts_with(UsagePrefix))
        throw std::runtime_error("a help text starts with \"Usage: \"");
    HelpText help;
    const std::string usage = Trimmed(std::string_view(lines.front()).substr(UsagePrefix.size()));
    const auto space = usage.find(' ');
    help.Name = usage.substr(0, space);
    if (space != std::string::npos) help.Synopsis = Trimmed(std::string_view(usage).substr(space));
    help.Sections.push_back({"DESCRIPTION", {}});

    bool inBlock = false;
    std::size_t column = std::string::npos;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::vector<HelpBlock>& blocks = help.Sections.back().Blocks;
        if (Trimmed(line).empty()) {
            inBlock = false;
        } else if (!inBlock && IsTitle(line)) {
            help.Sections.push_back({Upper(line.substr(0, line.size() - 1)), {}});
        } else if (line.starts_with(ItemIndent) && line[ItemIndent.size()] != ' ') {
            if (!inBlock || !blocks.back().Paragraph.empty()) {
                blocks.emplace_back();
                column = DescriptionColumn(lines, i);
            }
            blocks.back().Items.push_back(SplitItem(line, column));
            inBlock = true;
        } else if (inBlock && !blocks.back().Items.empty() && line.starts_with(ItemIndent)) {
            Append(blocks.back().Items.back().Description, line);
        } else {
            if (!inBlock || !blocks.back().Items.empty()) blocks.emplace_back();
            Append(blocks.back().Paragraph, line);
            inBlock = true;
        }
    }
    return help;
}

std::string ManPage(const HelpText& help, const ManPageHeading& heading) {
    std::string page = ".TH " + Upper(help.Name) + " 1 \"\" \"" + heading.Source + "\" \"User Commands\"\n";
    page += ".SH NAME\n" + Roff(help.Name) + " \\- " + Roff(heading.Summary) + "\n";
    page += ".SH SYNOPSIS\n.B " + Roff(help.Name) + "\n" + Roff(help.Synopsis) + "\n";
    for (const HelpSection& section : help.Sections) {
        page += ".SH " + section.Title + "\n";
        bool first = true;
        for (const HelpBlock& block : section.Blocks) {
            if (!block.Paragraph.empty()) page += (first ? "" : ".PP\n") + Roff(block.Paragraph) + "\n";
            for (const HelpItem& item : block.Items)
                page += ".TP\n" + RoffTerm(item.Term) + "\n" + Roff(item.Description) + "\n";
            first = false;
        }
    }
    if (!heading.SeeAlso.empty()) {
        page += ".SH \"SEE ALSO\"\n";
        for (std::size_t i = 0; i < heading.SeeAlso.size(); ++i) {
            const std::string& reference = heading.SeeAlso[i];
            const auto open = reference.find('(');
            page += ".BR " + reference.substr(0, open) + " " + reference.substr(open) +
                    (i + 1 < heading.SeeAlso.size() ? " ," : "") + "\n";
        }
    }
    return page;
}

std::string BashCompletion(const HelpText& help, std::string_view fileGlob) {
    std::vector<std::string> options;
    std::map<std::string, std::vector<ArgumentKind>> arguments;   // by option, one per place after it
    for (const HelpSection& section : help.Sections) {
        for (const HelpBlock& block : section.Blocks) {
            for (const HelpItem& item : block.Items) {
                const std::vector<std::string> words = Words(item.Term);
                if (words.empty() || !words.front().starts_with("-")) continue;
                const std::string& option = words.front();
                if (std::find(options.begin(), options.end(), option) == options.end()) options.push_back(option);
                // "--x A  or  B": B is another form of the option's argument, not a word after A.
                std::vector<ArgumentKind>& kinds = arguments[option];
                std::size_t place = 0;
                for (std::size_t w = 1; w < words.size(); ++w) {
                    if (words[w] == Alternative) {
                        place = 0;
                        continue;
                    }
                    if (kinds.size() <= place) kinds.resize(place + 1);
                    if (IsFilePlaceholder(words[w])) kinds[place].File = true;
                    else if (IsLiteral(words[w])) kinds[place].Words.insert(words[w]);
                    ++place;
                }
            }
        }
    }

    std::vector<std::string> files, free;
    std::size_t farthest = 0;
    std::string choices;
    for (const auto& [option, kinds] : arguments) {
        farthest = std::max(farthest, kinds.size());
        for (std::size_t place = 0; place < kinds.size(); ++place) {
            const std::string label = option + ":" + std::to_string(place + 1);
            if (kinds[place].File) {
                files.push_back(label);
            } else if (!kinds[place].Words.empty()) {
                const std::vector<std::string> words(kinds[place].Words.begin(), kinds[place].Words.end());
                choices += "            " + label + ") mapfile -t COMPREPLY < <(compgen -W \"" + Joined(words, " ") +
                           "\" -- \"$cur\"); return ;;\n";
            } else {
                free.push_back(label);
            }
        }
    }

    std::string function = "_" + help.Name;
    std::replace(function.begin(), function.end(), '-', '_');
    std::string script = "# bash completion for " + help.Name + ", made from its --help text\n";
    script += function + "() {\n";
    script += "    local cur=${COMP_WORDS[COMP_CWORD]} i\n";
    script += "    for ((i = 1; i <= " + std::to_string(farthest) + " && i < COMP_CWORD; i++)); do\n";
    script += "        case \"${COMP_WORDS[COMP_CWORD-i]}:$i\" in\n";
    script += choices;
    if (!files.empty())
        script += "            " + Joined(files, "|") + ") mapfile -t COMPREPLY < <(compgen -f -- \"$cur\"); return ;;\n";
    // Numbers and settings are the user's to type.
    if (!free.empty()) script += "            " + Joined(free, "|") + ") return ;;\n";
    script += "        esac\n    done\n";
    script += "    if [[ $cur == -* ]]; then\n";
    script += "        mapfile -t COMPREPLY < <(compgen -W \"" + Joined(options, " ") + "\" -- \"$cur\")\n";
    script += "    else\n";
    script += "        mapfile -t COMPREPLY < <(compgen -f -X '!" + std::string(fileGlob) +
              "' -- \"$cur\"; compgen -d -- \"$cur\")\n";
    script += "    fi\n}\n";
    script += "complete -o filenames -F " + function + " " + help.Name + "\n";
    return script;
}

}  // namespace quorvane
