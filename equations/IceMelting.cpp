#include "Globals.h"

namespace Globals {

// Ice liquidus of H2O-NaCl-KCl, Hall, Sterner & Bodnar (1988):
//   dT = A(X) W + B(X) W^3, W total salt in mass %, X the NaCl mass share of the salt.
// Both directions evaluate A and B in the same order so that they invert each
// other to rounding.
namespace {
double hallA(double X) {
    return 0.4597 + 0.144 * X;
}
double hallB(double X) {
    return ((0.0002227 + 0.0001999 * X) + 4.633e-05 * X * X) + 0.0001123 * X * X * X;
}
} // namespace

double FDP_Hall87(double massPercentNaCl, double massPercentKCl) {
    const double W = massPercentNaCl + massPercentKCl;
    double dT = 0;
    if (W > 0) {
        const double X = massPercentNaCl / W;
        dT = hallA(X) * W + hallB(X) * W * W * W;
    }
    return 273.15 - dT;
}

double Mass_Hall87(double temperatureK, double naclMassShare) {
    const double T = temperatureK;
    const double X = naclMassShare;
    double result = 0;
    if (!(T > 0) || X < 0 || X > 1) return result;

    const double A = hallA(X);
    const double B = hallB(X);
    CubicRoots R = CubicEquation(0, A / B, -(273.15 - T) / B);

    int realRoots = 0;
    for (int k = 0; k < 3; ++k) {
        if (R[1][k] == 0) {
            result = R[0][k];
            ++realRoots;
        } else {
            R[0][k] = 0;
        }
    }
    // Only at 273.15 K, where the solver computes nothing and every "root" is
    // a real zero; the ties end on the highest index.
    if (realRoots > 1) {
        const auto& r = R[0];
        if (!(r[1] > r[0]) && !(r[2] > r[0])) result = r[0];
        if (!(r[0] > r[1]) && !(r[2] > r[1])) result = r[1];
        if (!(r[0] > r[2]) && !(r[1] > r[2])) result = r[2];
    }
    return result;
}

} // namespace Globals
