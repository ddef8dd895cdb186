#pragma once

#include <iosfwd>
#include <string>

#include "run/result_handoff.h"

namespace quorvane {

struct RunnerOptions;

/// The result windows of the headless runner, for one run: the tabulation goes to standard
/// output when asked, the time graph to its file, a run error to one line on standard error.
class CliHandOff : public ResultHandOff {
public:
    CliHandOff(const RunnerOptions& options, std::ostream& out, std::ostream& err)
        : Options(options), Out(out), Err(err) {}

    void ShowTabulation(Simulation& sim) override;
    void HideTabulation(Simulation&) override {}
    void ShowGraph(Simulation& sim, const std::vector<std::string>& series) override;
    void HideGraph(Simulation&) override {}
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>&) override {}
    void HideFrequencyAnalysis(Simulation&) override {}
    void ShowPrbsAnalysis(Simulation&) override {}
    void HidePrbsAnalysis(Simulation&) override {}
    void RedrawSheet(Simulation&, int) override {}
    void ShowRunError(Simulation& sim, const RunErrorReport& report) override;

    bool RunFailed = false;
    bool OutputFailed = false;

private:
    bool TabulationPrinted = false;
    const RunnerOptions& Options;
    std::ostream& Out;
    std::ostream& Err;
};

}  // namespace quorvane
