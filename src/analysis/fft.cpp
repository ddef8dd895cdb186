#include "analysis/fft.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

#include "platform/circle_constants.h"
#include "results/fft_state.h"

namespace quorvane {

namespace {

// Only the assertions use it, which a release build leaves out.
[[maybe_unused]] bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Twiddle factor w advanced by w' = w (1 + wpr + i wpi), the sine recurrence in double.
struct Twiddle {
    explicit Twiddle(double theta) {
        const double half = std::sin(0.5 * theta);
        Pr = -2.0 * half * half;
        Pi = std::sin(theta);
    }
    void Advance() {
        const double previous = Re;
        Re = Re * Pr - Im * Pi + Re;
        Im = Im * Pr + previous * Pi + Im;
    }
    double Pr = 0;
    double Pi = 0;
    double Re = 1;
    double Im = 0;
};

}  // namespace

void ComplexFft(std::span<float> buffer, int n, int direction) {
    assert(IsPowerOfTwo(n) && buffer.size() > static_cast<std::size_t>(2 * n));
    float* b = buffer.data();
    const int last = 2 * n;

    // Bit-reversal permutation of the complex pairs.
    int j = 1;
    for (int i = 1; i < last; i += 2) {
        if (j > i) {
            std::swap(b[j], b[i]);
            std::swap(b[j + 1], b[i + 1]);
        }
        int m = n;
        while (m >= 2 && j > m) {
            j -= m;
            m >>= 1;
        }
        j += m;
    }

    // Danielson-Lanczos butterflies: temp = w b(j); b(j) = b(i) - temp; b(i) += temp.
    for (int mmax = 2; mmax < last; mmax *= 2) {
        const int step = 2 * mmax;
        Twiddle w(TwoPi / (direction * mmax));
        for (int m = 1; m < mmax; m += 2) {
            for (int i = m; i <= last; i += step) {
                const int k = i + mmax;
                const auto tempRe = static_cast<float>(w.Re * b[k] - w.Im * b[k + 1]);
                const auto tempIm = static_cast<float>(w.Re * b[k + 1] + w.Im * b[k]);
                b[k] = b[i] - tempRe;
                b[k + 1] = b[i + 1] - tempIm;
                b[i] += tempRe;
                b[i + 1] += tempIm;
            }
            w.Advance();
        }
    }
}

void RealFft(std::span<float> buffer, int n, int direction) {
    assert(IsPowerOfTwo(n) && buffer.size() > static_cast<std::size_t>(2 * n));
    double theta = Pi / n;
    const float c1 = 0.5f;
    float c2 = 0.5f;
    if (direction == 1) {
        c2 = -0.5f;
        ComplexFft(buffer, n, 1);
    } else {
        theta = -theta;
    }
    float* b = buffer.data();
    Twiddle w(theta);
    w.Re = 1.0 + w.Pr;
    w.Im = w.Pi;
    // Separates the transforms of the even and odd samples packed as one complex sequence.
    for (int i = 2; i <= n / 2; ++i) {
        const int i1 = 2 * i - 1;
        const int i2 = i1 + 1;
        const int i3 = 2 * n + 3 - i2;
        const int i4 = i3 + 1;
        const float wr = static_cast<float>(w.Re);
        const float wi = static_cast<float>(w.Im);
        const float h1r = c1 * (b[i1] + b[i3]);
        const float h1i = c1 * (b[i2] - b[i4]);
        const float h2r = -c2 * (b[i2] + b[i4]);
        const float h2i = c2 * (b[i1] - b[i3]);
        b[i1] = h1r + wr * h2r - wi * h2i;
        b[i2] = h1i + wr * h2i + wi * h2r;
        b[i3] = h1r - wr * h2r + wi * h2i;
        b[i4] = -h1i + wr * h2i + wi * h2r;
        w.Advance();
    }
    const float first = b[1];
    if (direction == 1) {
        b[1] = first + b[2];
        b[2] = first - b[2];
    } else {
        b[1] = c1 * (first + b[2]);
        b[2] = c1 * (first - b[2]);
        ComplexFft(buffer, n, -1);
    }
}

float PhaseDegrees(double im, double re) {
    double degrees = 0;
    if (re == 0) {
        if (im == 0) return PhaseUndefinedMarker;
        degrees = im > 0 ? 90.0 : 270.0;
    } else if (re > 0) {
        degrees = std::atan(im / re) * 180.0 / PiEightFigures;
        if (im < 0) degrees += 360.0;
    } else {
        degrees = std::atan(im / re) * 180.0 / PiSixFigures + 180.0;
    }
    const float result = static_cast<float>(degrees);
    // A tiny negative angle rounds to 360 in single precision; keep the range [0, 360).
    return result >= 360.0f ? result - 360.0f : result;
}

}  // namespace quorvane
