#include "cli/runner_support.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "support/scratch_folder.h"

namespace quorvane {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

}  // namespace

RunnerResult RunRunner(const std::vector<std::string>& args, const std::string& folder, const RunnerShell& shell) {
    static std::atomic<int> runs = 0;
    const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(++runs);
    // The captured streams stay outside the run's folder, so they are never among its files.
    const std::filesystem::path captures = std::filesystem::path(QUORVANE_TEST_OUTPUT) / "cli";
    std::filesystem::create_directories(captures);
    const std::filesystem::path out = captures / (".runner-out-" + tag);
    const std::filesystem::path err = captures / (".runner-err-" + tag);
    std::string command = "cd " + Quoted(folder) + " && ";
    if (!shell.Setup.empty()) command += shell.Setup + " && ";
    // The runner takes the shell's place, so a setup can name its process number as $$.
    command += "exec " + Quoted(QUORVANE_RUN_EXE);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " " + (shell.Stdout.empty() ? "> " + Quoted(out.string()) : shell.Stdout) + " 2> " + Quoted(err.string());
    const int raw = std::system(command.c_str());
    RunnerResult result;
    result.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.Out = testing::ReadAll(out);
    result.Err = testing::ReadAll(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

std::string ExamplePath(const std::string& name) { return std::string(QUORVANE_EXAMPLES) + "/" + name; }

std::vector<std::vector<double>> CsvRows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) row.push_back(field.empty() ? 0.0 : std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> MessageLines(const std::string& err) {
    std::vector<std::string> messages;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("message: ", 0) == 0) messages.push_back(line.substr(9));
    }
    return messages;
}

}  // namespace quorvane
