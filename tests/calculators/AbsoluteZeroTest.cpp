// Temperatures at and below absolute zero in the solvus and cotectic
// windows of both models. The equations give numbers there all the same
// (solids whose activities differ, liquids, the consolute message); each
// window shows "out of range" in its own black instead, after a press that
// left the red look of the consolute point on the same labels.
#include "CalculatorTestKit.h"
#include "support/GuiTest.h"

#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalSolvus.h"
#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/Solvus.h"
#include "ui/ValStr.h"

#include <utility>

namespace {

// Typed in degC: absolute zero itself, just below it, where the solvus model
// answered with the consolute message, far below, and minus infinity.
const char* const kBelowZeroC[] = {"-273.15", "-273.16", "-280", "-300", "-1e6", "-1e999"};
const char* const kPressures[] = {"0.1", "200"};

class AbsoluteZero : public testsupport::GuiTest {
protected:
    static void press(ui::Window& w, const char* button, const char* tC, const char* P = nullptr) {
        w.field("dataEntry1").setText(tC);
        if (P) w.field("dataEntry2").setText(P);
        testsupport::click(w.button(button));
    }
};

TEST_F(AbsoluteZero, EmpiricalSolvus) {
    ui::Window& w = *EmpiricalSolvus();
    const QStringList labels{"Result1N",  "Result1K",  "Result2N",  "Result2K",
                             "Result1N1", "Result1K1", "Result2N1", "Result2K1"};
    for (const char* t : kBelowZeroC) {
        press(w, "calculate", "25");
        press(w, "calculate", t);
        EXPECT_EQ(calctest::texts(w, labels).join("|"), "out of range|||||||") << t;
    }
}

TEST_F(AbsoluteZero, ThermodynamicSolvus) {
    ui::Window& w = *Solvus();
    const QStringList labels{"Result1N", "Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK",
                             "Result2N", "Result2K", "Result2aN", "Result2aK", "Result2bN", "Result2bK"};
    for (const char* P : kPressures) {
        for (const char* t : kBelowZeroC) {
            press(w, "calculate", "900", P); // above the consolute point: red, small
            press(w, "calculate", t, P);
            EXPECT_EQ(calctest::texts(w, labels).join("|"), "out of range|||||||||||") << t << " " << P;
            EXPECT_EQ(calctest::look(w, "Result1N"), std::pair(ui::kBlack, 14)) << t;
        }
    }
}

TEST_F(AbsoluteZero, EmpiricalCotecticOnEveryLine) {
    ui::Window& w = *EmpiricalCotectic();
    const QStringList labels{"ResultPres",      "ResultNaCl",      "ResultKCl",      "ResultNaCla",
                             "ResultKCla",      "solid1",          "ResultNaClsol1", "ResultKClsol1",
                             "ResultNaClsol1a", "ResultKClsol1a",  "solid2",         "ResultNaClsol2",
                             "ResultKClsol2",   "ResultNaClsol2a", "ResultKClsol2a"};
    for (const char* line : {"IHH", "ISL", "HHS", "HHH", "HS"}) {
        testsupport::click(w.radio(line));
        for (const char* t : kBelowZeroC) {
            press(w, "calculate", t);
            // The typed temperature is shown back in kelvin; nothing else has a value.
            EXPECT_EQ(calctest::texts(w, labels).join("|"),
                      "|out of range||out of range|||out of range|||||out of range|||")
                << line << " " << t;
            const double T = ui::Val(t) + 273.15;
            EXPECT_EQ(w.label("ResultKelvin").text(), T > -1e300 ? ui::Str(T) : " - ") << t;
        }
    }
}

TEST_F(AbsoluteZero, ThermodynamicCotectic) {
    ui::Window& w = *Cotectic();
    const QStringList labels{"ResultNaCl",     "ResultKCl",     "ResultNaCla",     "ResultKCla",
                             "ResultNaClsol1", "ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a",
                             "ResultNaClsol2", "ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a"};
    for (const char* P : kPressures) {
        for (const char* t : kBelowZeroC) {
            press(w, "calculate1", "900", P); // above the crest: red, small
            press(w, "calculate1", t, P);
            EXPECT_EQ(calctest::texts(w, labels).join("|"), "out of range||||out of range||||out of range|||")
                << t << " " << P;
            for (const char* solid : {"ResultNaClsol1", "ResultNaClsol2"})
                EXPECT_EQ(calctest::look(w, solid), std::pair(ui::kBlack, 14)) << t << " " << solid;
        }
    }
}

} // namespace
