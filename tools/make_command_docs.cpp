// Makes a command's manual page or bash completion from its --help text, so neither can disagree
// with what the command says of itself. HELP is a file holding a help text, or --runner for the
// headless runner's own --help.
//
//   make_command_docs man HELP OUT.1 SOURCE SUMMARY [SEE_ALSO...]
//   make_command_docs completion HELP OUT FILE_GLOB

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/options.h"
#include "command_docs.h"

namespace {

std::string HelpSource(const std::string& help) {
    if (help == "--runner") return quorvane::RunnerUsage();
    std::ifstream in(help);
    if (!in) throw std::runtime_error("cannot read " + help);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "man" && argc >= 6) || (mode == "completion" && argc == 5))) {
        std::cerr << "usage: make_command_docs man HELP OUT.1 SOURCE SUMMARY [SEE_ALSO...]\n"
                     "       make_command_docs completion HELP OUT FILE_GLOB\n";
        return 2;
    }
    try {
        const quorvane::HelpText help = quorvane::ParseHelpText(HelpSource(argv[2]));
        if (mode == "man") {
            quorvane::ManPageHeading heading{argv[5], argv[4], {}};
            for (int i = 6; i < argc; ++i) heading.SeeAlso.emplace_back(argv[i]);
            Write(argv[3], quorvane::ManPage(help, heading));
        } else {
            Write(argv[3], quorvane::BashCompletion(help, argv[4]));
        }
    } catch (const std::exception& error) {
        std::cerr << "make_command_docs: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
