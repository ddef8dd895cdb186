#include "analysis/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "results/fft_state.h"

namespace quorvane {
namespace {

// Single-precision FFT error grows about as eps * log2(N) relative to the signal norm.
constexpr double RelativeErrorPerStage = 5e-8;

// X(j) = sum_k x(k) exp(+2 pi i jk / N), j = 0..N/2, in double, by the definition.
std::vector<std::complex<double>> DirectDft(const std::vector<float>& x) {
    const std::size_t count = x.size();
    std::vector<std::complex<double>> roots(count);
    for (std::size_t k = 0; k < count; ++k)
        roots[k] = std::polar(1.0, 2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(count));
    std::vector<std::complex<double>> out(count / 2 + 1);
    for (std::size_t j = 0; j <= count / 2; ++j)
        for (std::size_t k = 0; k < count; ++k) out[j] += static_cast<double>(x[k]) * roots[(j * k) % count];
    return out;
}

TEST(RealFft, MatchesDirectDftAndInvertsForEveryLength) {
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    for (int count = 16; count <= 8192; count *= 2) {
        SCOPED_TRACE(count);
        const int n = count / 2;
        std::vector<float> x(static_cast<std::size_t>(count));
        for (float& v : x) v = value(random);
        std::vector<float> buffer(1, 0.0f);
        buffer.insert(buffer.end(), x.begin(), x.end());
        const auto expected = DirectDft(x);
        RealFft(buffer, n, 1);

        // Packing: b(1) = X(0), b(2) = X(N/2), then re/im of X(1)..X(N/2 - 1).
        const auto at = [&](int i) { return static_cast<double>(buffer[static_cast<std::size_t>(i)]); };
        double errorSquares = std::norm(at(1) - expected[0]) + std::norm(at(2) - expected[n]);
        double normSquares = std::norm(expected[0]) + std::norm(expected[n]);
        for (int j = 1; j < n; ++j) {
            errorSquares += std::norm(std::complex<double>(at(2 * j + 1), at(2 * j + 2)) - expected[j]);
            normSquares += std::norm(expected[j]);
        }
        EXPECT_LT(std::sqrt(errorSquares / normSquares), RelativeErrorPerStage * std::log2(count));

        // The inverse restores the input scaled by N/2.
        RealFft(buffer, n, -1);
        double worst = 0;
        for (int k = 0; k < count; ++k) worst = std::fmax(worst, std::fabs(buffer[k + 1] / n - x[k]));
        EXPECT_LT(worst, 1e-4);
    }
}

TEST(PhaseDegrees, QuadrantsAndAxes) {
    struct Case { double Im; double Re; float Expected; };
    const Case cases[] = {
        {0, 0, PhaseUndefinedMarker}, {1, 0, 90}, {-1, 0, 270}, {0, 1, 0},     {1, 1, 45},
        {-1, 1, 315},                 {1, -1, 135}, {-1, -1, 225}, {0, -2, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Im << ", " << c.Re);
        EXPECT_NEAR(PhaseDegrees(c.Im, c.Re), c.Expected, 2e-3);
    }
    // A vanishing negative angle would round to 360; the range stays [0, 360).
    EXPECT_LT(PhaseDegrees(-1e-12, 1), 360.0f);
}

}  // namespace
}  // namespace quorvane
