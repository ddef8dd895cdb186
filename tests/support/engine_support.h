#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/simulation.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"

namespace quorvane {

/// A simulation for engine tests: catalogue built, form 1 allocated and selected for running.
/// Blocks are written straight into the tables and named by their Title, because ordering
/// renumbers them.
struct EngineModel {
    EngineModel();
    EngineModel(const EngineModel&) = delete;
    EngineModel& operator=(const EngineModel&) = delete;

    /// Places a block of `code` on the form with constants K1.. and initial condition; returns its number.
    int Add(int code, const std::string& title, const std::vector<float>& constants = {},
            float initialCondition = 0.0f);
    /// Output of block `from` to input `input` of block `to`, with its connection record.
    void Connect(const std::string& from, const std::string& to, int input = 1);
    struct Link {
        std::string From;
        std::string To;
        int Input = 1;
    };
    /// Several connections, made in this order.
    void Connect(std::initializer_list<Link> links);
    /// The current number of the block titled `title` (0 when none).
    int Find(const std::string& title) const;
    Block& At(const std::string& title);

    /// Orders, resets, validates (unless `validate` is false, for constants a run would refuse)
    /// and prepares with this time step, then evaluates the start. False, without the initial
    /// evaluation, when validation marks a block or a delay line is refused. RunError passes
    /// through.
    bool Start(double timeStep, double startTime = 0.0, double stopTime = 10.0, bool validate = true);
    /// One step as the run driver makes it: StepModel, then the time from the step count, then
    /// RefreshAlgebraic when `refresh` (a sample step).
    void Step(bool refresh = true);
    /// Steps until `time` (rounded to whole steps) is reached.
    void RunTo(double time);
    double Time() const { return Sim.Status.CurrentTime; }

    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};
    int Form = 1;
    int Steps = 0;
};

/// True when every float of the form's blocks (outputs, working values, histories, constants,
/// limits, initial conditions) and of the delay lines is finite.
bool TablesFinite(Simulation& sim, int form);

}  // namespace quorvane
