// Dissolution temperature and SLV pressure of a solution of known NaCl and KCl
// content on the purely empirical SLV surface. No Qt: the window reads the
// shared composition, calls dissolutionOf and writes what it answers.
#pragma once

namespace calculators {

// The composition as the shared arrays hold it (MASSnumber[1..2] and
// ASnumber[1..2]): ice is fitted in mass %, the salts in amount-of-substance
// fractions.
struct SolutionComposition {
    double massPercentNaCl = 0;
    double massPercentKCl = 0;
    double percentNaCl = 0; // amount-of-substance %
    double percentKCl = 0;
};

// How the dissolution pressure is shown.
enum class PressureShown {
    BelowTenthMPa, // ice: "< 0.1 MPa"
    AboutTenthMPa, // hydrohalite: "approx. 0.1 MPa"
    BelowOneMPa,   // "< 1.0 MPa", also the failure values 0.1 and 0 of the pressure equations
    Value,         // pressureMPa with " MPa"
    Unknown,       // the pressure equations gave no finite number: " - "
};

struct DissolutionResult {
    // False: the solid's "no ..." text, and no pressure beside it.
    bool dissolves = false;
    double temperatureK = 0;
    PressureShown pressure = PressureShown::Unknown;
    double pressureMPa = 0;
};

// The solid's FieldCode: 1 ice, 2 hydrohalite, 3 halite, 4 sylvite.
DissolutionResult dissolutionOf(int fieldCode, const SolutionComposition& composition);

// The range test and the pressure for a temperature already found, in a liquid
// of the given amount-of-substance fractions; dissolutionOf ends here.
DissolutionResult dissolutionAt(int fieldCode, double temperatureK, double xNaCl, double xKCl);

// 1.0 MPa is the smallest pressure shown as a number.
PressureShown pressureShown(double pressureMPa);

// "Ice", "Hydrohalite", "Halite", "Sylvite"; "" for another code.
const char* solidName(int fieldCode);
// "no ice", "no hydrohalite", "no halite", "no sylvite"; "" for another code.
const char* noSolidText(int fieldCode);
// The fixed text of a pressure that is not shown as a number; "" for Value.
const char* pressureText(PressureShown shown);

} // namespace calculators
