#pragma once

#include <random>

namespace quorvane {

struct Simulation;

/// Replaces form `form` (marked in use) with a random model of 1..`maxBlocks` blocks drawn from
/// `rng`: every kind a step evaluates, either orientation, constants mostly in the ranges the
/// validation accepts, inputs from any block of the form (itself included) or none, input
/// terminals linked to blocks of the same form, random limits and initial conditions (a few near
/// the float limit). Also sets the run's time step and the shared PRBS and FFT values the rules
/// read. Many such models divide by zero, take roots of negative values or overflow within a few
/// steps.
void BuildRandomModel(Simulation& sim, int form, std::mt19937& rng, int maxBlocks);

}  // namespace quorvane
