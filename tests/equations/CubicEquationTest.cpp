#include "Globals.h"

#include <gtest/gtest.h>

#include <ostream>

using Globals::CubicEquation;

namespace {

struct CubicCase {
    const char* name;
    double a, b, c;
    double re[3];
    double im[3];
};

void PrintTo(const CubicCase& c, std::ostream* os) {
    *os << c.name;
}

// Each case pins the closed form the solver must choose and the order in which
// it stores the roots; the windows and Mass_Hall87 read them by index.
const CubicCase kCases[] = {
    {"t = -1 exactly, double root", 0, -3, 2, {1, -2, 1}, {0, 0, 0}},
    {"t = +1 exactly, double root", 0, -3, -2, {-1, -1, 2}, {0, 0, 0}},
    {"p > 0, sinh form",
     0,
     1,
     1,
     {-0.682327803828019, 0.341163901914010, 0.341163901914010},
     {0, -1.16154139999725, 1.16154139999725}},
    {"trigonometric, middle-smallest-largest",
     0,
     -3,
     1,
     {0.347296355333861, -1.87938524157182, 1.53208888623796},
     {0, 0, 0}},
    {"trigonometric with shift",
     -6,
     11,
     -5.9,
     {2.10103125788101, 0.953319468195398, 2.94564927392359},
     {0, 0, 0}},
    {"cosh form t < -1",
     0,
     -3,
     3,
     {-2.10380340273554, 1.05190170136777, 1.05190170136777},
     {0, 0.565235851677171, -0.565235851677171}},
    {"cosh form t > 1",
     0,
     -3,
     -3,
     {2.10380340273554, -1.05190170136777, -1.05190170136777},
     {0, -0.565235851677171, 0.565235851677171}},
    {"solvus crest",
     -1.455351427474075,
     0.8747599539111509,
     -0.18264306746895403,
     {0.408468230707405, 0.523441598383335, 0.523441598383335},
     {0, -0.416113349764768, 0.416113349764768}},
};

class CubicForms : public ::testing::TestWithParam<CubicCase> {};

TEST_P(CubicForms, RootsInTheirPlaces) {
    const CubicCase& c = GetParam();
    const auto R = CubicEquation(c.a, c.b, c.c);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(R[0][k], c.re[k], 1e-12) << "real part of root " << k;
        EXPECT_NEAR(R[1][k], c.im[k], 1e-12) << "imaginary part of root " << k;
        // A real root must be flagged by an exact zero, which Mass_Hall87 tests.
        if (c.im[k] == 0) {
            EXPECT_EQ(R[1][k], 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cubic, CubicForms, ::testing::ValuesIn(kCases));

TEST(Cubic, EveryReturnedRootSolvesTheCubic) {
    for (const auto& c : kCases) {
        const auto R = CubicEquation(c.a, c.b, c.c);
        for (int k = 0; k < 3; ++k) {
            if (R[1][k] != 0) continue;
            const double x = R[0][k];
            EXPECT_NEAR(((x + c.a) * x + c.b) * x + c.c, 0.0, 1e-12) << c.name << " root " << k;
        }
    }
}

TEST(Cubic, NothingComputedWhenPTimesQIsZero) {
    // Roots 1, 2, 3 (q = 0) and a triple root at 1 (p = 0): all six zero, no shift.
    for (auto R : {CubicEquation(-6, 11, -6), CubicEquation(-3, 3, -1), CubicEquation(0, 0, 0)})
        for (const auto& row : R)
            for (double v : row)
                EXPECT_EQ(v, 0.0);
}

} // namespace
