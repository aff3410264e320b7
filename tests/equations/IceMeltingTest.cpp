#include "Globals.h"

#include <gtest/gtest.h>

using Globals::FDP_Hall87;
using Globals::Mass_Hall87;

namespace {

TEST(FdpHall87, NoSaltMeansPureIce) {
    EXPECT_EQ(FDP_Hall87(0, 0), 273.15);
    EXPECT_EQ(FDP_Hall87(-5, 2), 273.15); // a negative total is no salt, not a rise
}

TEST(FdpHall87, PureKClUsesOnlyTheConstantTerms) {
    EXPECT_DOUBLE_EQ(FDP_Hall87(0, 10), 273.15 - (10 * 0.4597 + 1000 * 0.0002227));
}

TEST(FdpHall87, BinaryEutectics) {
    // H2O-NaCl eutectic about -21.2 degC at 23.2 mass % NaCl; H2O-KCl eutectic
    // about -10.6 degC at 19.7 mass % KCl (Hall, Sterner & Bodnar 1988, who fit
    // the ice liquidus to within a few tenths of a kelvin).
    EXPECT_NEAR(FDP_Hall87(23.2, 0) - 273.15, -21.2, 0.3);
    EXPECT_NEAR(FDP_Hall87(0, 19.7) - 273.15, -10.6, 0.3);
    // CRC Handbook: 10 mass % NaCl(aq) freezes at -6.56 degC.
    EXPECT_NEAR(FDP_Hall87(10, 0) - 273.15, -6.56, 0.3);
}

TEST(MassHall87, InvertsTheForwardEquationOverAGrid) {
    for (double w = 0.5; w <= 30; w += 1.5)
        for (double X : {0.0, 0.1, 0.25, 0.5, 2.0 / 3, 0.8, 1.0}) {
            const double T = FDP_Hall87(X * w, (1 - X) * w);
            EXPECT_NEAR(Mass_Hall87(T, X), w, 1e-12 * w) << "w=" << w << " X=" << X;
        }
    EXPECT_NEAR(Mass_Hall87(FDP_Hall87(10, 5), 10.0 / 15), 15.0, 1e-13);
}

TEST(MassHall87, DomainAndBranches) {
    for (double X : {0.0, 0.3, 1.0})
        EXPECT_EQ(Mass_Hall87(273.15, X), 0.0); // the cubic solver computes nothing there
    EXPECT_NEAR(Mass_Hall87(250, 1), 24.3855699928011, 1e-10);
    EXPECT_NEAR(Mass_Hall87(250, 0), 32.980393211062, 1e-10);
    EXPECT_NEAR(Mass_Hall87(280, 0.5), -11.8054946641704, 1e-10); // above melting: the negative root
    EXPECT_EQ(Mass_Hall87(0, 0.5), 0.0);
    EXPECT_EQ(Mass_Hall87(250, -0.1), 0.0);
    EXPECT_EQ(Mass_Hall87(250, 1.1), 0.0);
}

} // namespace
