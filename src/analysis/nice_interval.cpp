#include "analysis/nice_interval.h"

#include <array>
#include <climits>
#include <cmath>

#include "engine/simulation.h"

namespace quorvane {

namespace {

constexpr std::array<double, 21> NiceSteps = {1,   1.125, 1.25, 1.5, 1.75, 2,   2.25, 2.5, 2.75, 3, 3.5,
                                              4,   4.5,   5,    6,   6.5,  7,   7.5,  8,   9,    10};
constexpr int LargestDecade = 37;    // the scale never exceeds 1e37
constexpr int SmallestDecade = -308; // only bounds the search: every finite double fits above it
constexpr int PowerOfTwoSteps = 11;

// y scaled by 10^decade, exact powers of ten on either side to keep table boundaries sharp.
double Scaled(double y, int decade) {
    return decade >= 0 ? y * std::pow(10.0, decade) : y / std::pow(10.0, -decade);
}

}  // namespace

double RoundToNiceInterval(double x, int derivativeClass, bool powerOfTwo) {
    const double y = 0.92 * x;
    int decade = 0;
    double scaled = Scaled(y, decade);
    while (!(scaled >= 1.0 && scaled <= 10.0)) {
        const int next = scaled < 1.0 || std::isnan(scaled) ? decade + 1 : decade - 1;
        if (next > LargestDecade || next < SmallestDecade) break;
        decade = next;
        scaled = Scaled(y, decade);
    }
    double step = NiceSteps.back();
    for (double t : NiceSteps) {
        if (t >= scaled) {
            step = t;
            break;
        }
    }
    double result = Scaled(step, -decade);
    if (derivativeClass == 1 && powerOfTwo && result < 1.0) {
        for (int k = 1; k <= PowerOfTwoSteps; ++k) {
            const double candidate = std::ldexp(1.0, -k);
            if (candidate <= result) {
                result = candidate;
                break;
            }
        }
    }
    return result;
}

double RoundToNiceInterval(const Simulation& sim, double x) {
    return RoundToNiceInterval(x, sim.Fft.DerivativeClass, sim.Run.PowerOfTwoTimeStep);
}

int RoundToInteger(double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(std::nearbyint(x));
}

}  // namespace quorvane
