#include "analysis/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/fft_state.h"

namespace quorvane {
namespace {

// Single-precision FFT error grows about as eps * log2(N) relative to the signal norm.
constexpr double RelativeErrorPerStage = 5e-8;

// X(j) = sum_k x(k) exp(+2 pi i jk / N), in double, by the definition.
std::vector<std::complex<double>> DirectDft(const std::vector<double>& x) {
    const std::size_t count = x.size();
    std::vector<std::complex<double>> roots(count);
    for (std::size_t k = 0; k < count; ++k)
        roots[k] = std::polar(1.0, 2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(count));
    std::vector<std::complex<double>> out(count / 2 + 1);
    for (std::size_t j = 0; j <= count / 2; ++j) {
        std::complex<double> sum = 0;
        for (std::size_t k = 0; k < count; ++k) sum += x[k] * roots[(j * k) % count];
        out[j] = sum;
    }
    return out;
}

TEST(RealFft, MatchesDirectDftWithPositiveExponent) {
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int count = 16; count <= 8192; count *= 2) {
        SCOPED_TRACE(count);
        const int n = count / 2;
        std::vector<double> x(static_cast<std::size_t>(count));
        std::vector<float> buffer(static_cast<std::size_t>(count) + 1, 0.0f);
        for (int k = 0; k < count; ++k) {
            buffer[static_cast<std::size_t>(k) + 1] = static_cast<float>(value(random));
            x[static_cast<std::size_t>(k)] = buffer[static_cast<std::size_t>(k) + 1];
        }
        const auto expected = DirectDft(x);
        RealFft(buffer, n, 1);

        double errorSquares = std::norm(static_cast<double>(buffer[1]) - expected[0]) + std::norm(static_cast<double>(buffer[2]) - expected[n]);
        double normSquares = std::norm(expected[0]) + std::norm(expected[n]);
        for (int j = 1; j < n; ++j) {
            const std::complex<double> got(buffer[2 * j + 1], buffer[2 * j + 2]);
            errorSquares += std::norm(got - expected[j]);
            normSquares += std::norm(expected[j]);
        }
        EXPECT_LT(std::sqrt(errorSquares / normSquares), RelativeErrorPerStage * std::log2(count));
        EXPECT_NEAR(expected[0].imag(), 0, 1e-9);
    }
}

TEST(RealFft, InverseRestoresInputScaledByHalfLength) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-5.0f, 5.0f);
    const int n = 512;
    std::vector<float> original(2 * n + 1, 0.0f);
    for (int k = 1; k <= 2 * n; ++k) original[k] = value(random);
    std::vector<float> buffer = original;
    RealFft(buffer, n, 1);
    RealFft(buffer, n, -1);
    for (int k = 1; k <= 2 * n; ++k) EXPECT_NEAR(buffer[k] / n, original[k], 1e-4) << k;
}

TEST(PhaseDegrees, QuadrantsAndAxes) {
    struct Case {
        double Im;
        double Re;
        float Expected;
    };
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
