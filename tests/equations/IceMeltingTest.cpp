#include "Globals.h"

#include <gtest/gtest.h>

using Globals::CubicEquation;
using Globals::FDP_Hall87;
using Globals::Mass_Hall87;

TEST(FdpHall87, BinaryEutecticsAndNoSalt) {
    // H2O-NaCl eutectic about -21.2 degC at 23.2 mass % NaCl; H2O-KCl eutectic
    // about -10.6 degC at 19.7 mass % KCl (Hall, Sterner & Bodnar 1988, who fit
    // the ice liquidus to within a few tenths of a kelvin).
    EXPECT_NEAR(FDP_Hall87(23.2, 0) - 273.15, -21.2, 0.3);
    EXPECT_NEAR(FDP_Hall87(0, 19.7) - 273.15, -10.6, 0.3);
    // CRC Handbook: 10 mass % NaCl(aq) freezes at -6.56 degC.
    EXPECT_NEAR(FDP_Hall87(10, 0) - 273.15, -6.56, 0.3);
    EXPECT_EQ(FDP_Hall87(0, 0), 273.15);
    EXPECT_EQ(FDP_Hall87(-5, 2), 273.15); // a negative total is no salt, not a rise
}

TEST(MassHall87, InvertsTheForwardEquationOverAGrid) {
    for (double w = 0.5; w <= 30; w += 1.5)
        for (double X : {0.0, 0.1, 0.25, 0.5, 2.0 / 3, 0.8, 1.0})
            EXPECT_NEAR(Mass_Hall87(FDP_Hall87(X * w, (1 - X) * w), X), w, 1e-12 * w) << w << " " << X;
}

TEST(MassHall87, DomainAndBranches) {
    EXPECT_NEAR(Mass_Hall87(280, 0.5), -11.8054946641704, 1e-10); // above melting: the negative root
    for (double X : {0.0, 0.3, 1.0})
        EXPECT_EQ(Mass_Hall87(273.15, X), 0.0); // the cubic solver computes nothing there
    EXPECT_EQ(Mass_Hall87(0, 0.5), 0.0);
    EXPECT_EQ(Mass_Hall87(250, -0.1), 0.0);
    EXPECT_EQ(Mass_Hall87(250, 1.1), 0.0);
}

// Mass_Hall87 inverts through the cubic solver. Each case pins the closed form
// the solver must choose and the slot of each root: callers read them by index.
TEST(Cubic, EachFormPutsItsRootsInTheirPlaces) {
    const struct {
        double a, b, c, re[3], im[3];
    } cases[] = {
        // clang-format off
        {0, -3, 2, {1, -2, 1}, {0, 0, 0}},   // t = -1 exactly, double root
        {0, -3, -2, {-1, -1, 2}, {0, 0, 0}}, // t = +1 exactly
        {-6, 11, -5.9, {2.10103125788101, 0.953319468195398, 2.94564927392359}, {0, 0, 0}}, // trigonometric
        {0, 1, 1, {-0.682327803828019, 0.341163901914010, 0.341163901914010}, // p > 0, sinh form
         {0, -1.16154139999725, 1.16154139999725}},
        {0, -3, 3, {-2.10380340273554, 1.05190170136777, 1.05190170136777}, // cosh form, t < -1
         {0, 0.565235851677171, -0.565235851677171}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
        const auto R = CubicEquation(c.a, c.b, c.c);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(R[0][k], c.re[k], 1e-12);
            EXPECT_NEAR(R[1][k], c.im[k], 1e-12);
            if (c.im[k] != 0) continue;
            EXPECT_EQ(R[1][k], 0.0); // a real root is flagged by an exact zero
            const double x = R[0][k];
            EXPECT_NEAR(((x + c.a) * x + c.b) * x + c.c, 0.0, 1e-12);
        }
    }
}

TEST(Cubic, NothingComputedWhenPTimesQIsZero) {
    // Roots 1, 2, 3 (q = 0) and a triple root at 1 (p = 0): all six zero, no shift.
    for (auto R : {CubicEquation(-6, 11, -6), CubicEquation(-3, 3, -1), CubicEquation(0, 0, 0)})
        EXPECT_EQ(R, Globals::CubicRoots{});
}
