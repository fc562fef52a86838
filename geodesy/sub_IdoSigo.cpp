#include "sub_IdoSigo.h"

#include "checked_math.h"
#include "sub_Bessel.h"

#include <cmath>

namespace {

constexpr int kPowers = 8; // e2 to e16
constexpr int kTerms = 9;  // the coefficients A to I

// kFactor[j][k] multiplies e2 to the power k + 1 in the j-th coefficient (A, B, ...).
constexpr double kFactor[kTerms][kPowers] = {
    {3.0 / 4, 45.0 / 64, 175.0 / 256, 11025.0 / 16384, 43659.0 / 65536, 693693.0 / 1048576,
     19324305.0 / 29360128, 4927697775.0 / 7516192768},
    {3.0 / 4, 15.0 / 16, 525.0 / 512, 2205.0 / 2048, 72765.0 / 65536, 297297.0 / 262144,
     135270135.0 / 117440512, 547521975.0 / 469762048},
    {0, 15.0 / 64, 105.0 / 256, 2205.0 / 4096, 10395.0 / 16384, 1486485.0 / 2097152,
     45090045.0 / 58720256, 766530765.0 / 939524096},
    {0, 0, 35.0 / 512, 315.0 / 2048, 31185.0 / 131072, 165165.0 / 524288, 45090045.0 / 117440512,
     209053845.0 / 469762048},
    {0, 0, 0, 315.0 / 16384, 3465.0 / 65536, 99099.0 / 1048576, 4099095.0 / 29360128,
     348423075.0 / 1879048192},
    {0, 0, 0, 0, 693.0 / 131072, 9009.0 / 524288, 4099095.0 / 117440512, 26801775.0 / 469762048},
    {0, 0, 0, 0, 0, 3003.0 / 2097152, 315315.0 / 58720256, 11486475.0 / 939524096},
    {0, 0, 0, 0, 0, 0, 45045.0 / 117440512, 765765.0 / 469762048},
    {0, 0, 0, 0, 0, 0, 0, 765765.0 / 7516192768},
};

} // namespace

void sub_IdoSigo(double phi, double& S)
{
    double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(0.0, N, M, R, a, e2, ep2);

    double power[kPowers];
    for (int k = 0; k < kPowers; ++k)
        power[k] = std::pow(e2, k + 1);

    // Coefficients A (which starts from 1) to I; the empty cells add exact zeros.
    double coefficient[kTerms];
    for (int j = 0; j < kTerms; ++j) {
        double sum = j == 0 ? 1.0 : 0.0;
        for (int k = 0; k < kPowers; ++k)
            sum += kFactor[j][k] * power[k];
        coefficient[j] = sum;
    }

    // A·phi - (B/2)·sin 2phi + (C/4)·sin 4phi - ... + (I/16)·sin 16phi, left to right.
    double series = coefficient[0] * phi;
    for (int j = 1; j < kTerms; ++j) {
        const double term = coefficient[j] / (2.0 * j) * std::sin(2.0 * j * phi);
        series = j % 2 == 1 ? series - term : series + term;
    }
    S = checked::finite(a * (1.0 - e2) * series);
}
