// The thermodynamic solvus window and its calculation.
#include "support/GuiTest.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/thermodynamic/Solvus.h"
#include "calculators/thermodynamic/SolvusCalc.h"

#include "Globals.h"
#include "ui/ValStr.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>

using calculators::thermodynamicSolvus;
using testsupport::ExpectWarnings;
using testsupport::GuiTest;
using ui::Str;

namespace {

constexpr double C = 273.15;

// ---------------------------------------------------------------------------
// The calculation

struct Point {
    double tC, P;
};

// Below the consolute point at both pressures, and at 500 C, which lies
// above it at 0.1 MPa but below it at 100 MPa.
const Point kSolvus[] = {{300, 0.1}, {400, 0.1}, {300, 100}, {400, 100}, {500, 100}, {492, 0.1}};

TEST(ThermodynamicSolvus, BothSaltsHaveOnePotentialInBothSolids) {
    for (const Point& p : kSolvus) {
        SCOPED_TRACE(testing::Message() << p.tC << " C, " << p.P << " MPa");
        const auto r = thermodynamicSolvus(p.tC + C, p.P);
        ASSERT_TRUE(r.found);
        EXPECT_LT(r.phase1.xNaCl, r.phase2.xNaCl); // phase 1 is the KCl-rich solid
        EXPECT_NEAR(r.phase1.activityNaCl, r.phase2.activityNaCl, 1e-9);
        EXPECT_NEAR(r.phase1.activityKCl, r.phase2.activityKCl, 1e-9);
        // J/mol; R T ln a with a below 1 is negative.
        EXPECT_NEAR(r.phase1.potentialNaCl, r.phase2.potentialNaCl, 1e-5);
        EXPECT_NEAR(r.phase1.potentialKCl, r.phase2.potentialKCl, 1e-5);
        EXPECT_LT(r.phase1.potentialNaCl, 0);
        EXPECT_LT(r.phase1.potentialKCl, 0);
    }
}

TEST(ThermodynamicSolvus, NoneAboveTheConsolutePoint) {
    for (const Point& p : {Point{493, 0.1}, Point{500, 0.1}, Point{600, 100}, Point{1e300, 0.1}}) {
        const auto r = thermodynamicSolvus(p.tC + C, p.P);
        EXPECT_FALSE(r.found) << p.tC << " C, " << p.P << " MPa";
    }
    EXPECT_FALSE(thermodynamicSolvus(std::nan(""), 0.1).found);
}

// ---------------------------------------------------------------------------
// The window

const char* const kResults[] = {"Result1N", "Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK",
                                "Result2N", "Result2K", "Result2aN", "Result2aK", "Result2bN", "Result2bK"};

class ThermoSolvusWindow : public GuiTest {
protected:
    class Solvus& w() {
        return *Solvus();
    }
    QString text(const char* label) { return w().label(label).text(); }
    void calculate(const QString& tC, const QString& P) {
        w().field("dataEntry1").setText(tC);
        w().field("dataEntry2").setText(P);
        w().button("calculate").click();
    }
    bool allEmpty() {
        for (const char* r : kResults)
            if (!text(r).isEmpty()) return false;
        return true;
    }
};

TEST_F(ThermoSolvusWindow, ControlsInTheirOrder) {
    const char* const names[] = {
        "titel",       "dataEntry1",  "dataEntry2",  "temp",        "pres",         "temp1",
        "pres1",       "phase1",      "activity",    "composition", "phase2",       "chempot",
        "NaCl",        "NaCl1",       "NaCl2",       "KCl",         "KCl1",         "KCl2",
        "calculate",   "titel1",      "chempot1",    "chempot12",   "composition1", "composition12",
        "StaticText1", "PushButton1", "Rectangle1",  "Result1K",    "Rectangle2",   "Result1N",
        "Rectangle3",  "Result2K",    "Rectangle4",  "Result2N",    "Rectangle5",   "Result1aK",
        "Rectangle6",  "Result1aN",   "Rectangle7",  "Result2aK",   "Rectangle8",   "Result2aN",
        "Rectangle9",  "Result1bK",   "Rectangle10", "Result1bN",   "Rectangle11",  "Result2bK",
        "Rectangle12", "Result2bN",
    };
    const auto& controls = w().controls();
    ASSERT_EQ(controls.size(), std::size(names));
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->objectName(), names[i]) << i;
    EXPECT_EQ(w().windowTitle(), "Binary NaCl-KCl System");
    EXPECT_EQ(w().content().size(), QSize(595, 437));
    EXPECT_EQ(w().defaultButton(), &w().button("calculate"));
    EXPECT_EQ(text("temp1"), "\u02daCelsius");
    EXPECT_EQ(text("StaticText1"), "a.s.= amount-of-substance fraction (\"mole\" fraction)");
    // Each result lies in its box, 8 pixels in and 2 down, in window
    // coordinates at 230 (phase 1) or 375 (phase 2).
    for (const char* r : kResults) {
        const ui::StaticText& l = w().label(r);
        EXPECT_EQ(l.geometry(), QRect(8, 2, 120, 20)) << r;
        EXPECT_EQ(l.mapTo(&w().content(), QPoint(0, 0)).x(), r[6] == '1' ? 230 : 375) << r;
        EXPECT_EQ(l.textSize(), 14);
        EXPECT_TRUE(l.text().isEmpty());
    }
    EXPECT_EQ(w().label("Result2bN").mapTo(&w().content(), QPoint(0, 0)), QPoint(375, 365));
}

TEST_F(ThermoSolvusWindow, ReachedFromTheChooser) {
    Start1()->button("continue1").click();
    testsupport::click(Start2()->radio("Thermodynamic"));
    testsupport::click(Start2()->radio("AnSolvus"));
    Start2()->button("PushButton1").click();
    testsupport::processEvents();
    ASSERT_TRUE(testsupport::isShown("Solvus"));
    testsupport::typeInto(w().field("dataEntry1"), "400");
    testsupport::typeInto(w().field("dataEntry2"), "0.1");
    QTest::keyClick(&w().field("dataEntry2"), Qt::Key_Return);
    EXPECT_EQ(text("Result1N"), Str(Globals::Equality_solids(400 + C, 0.1)[0]));
}

// 300, 400 and 500 C at 0.1 and 100 MPa: every label as the model gives it.
TEST_F(ThermoSolvusWindow, ResultsAreTheModels) {
    for (const Point& p :
         {Point{300, 0.1}, Point{400, 0.1}, Point{300, 100}, Point{400, 100}, Point{500, 100}}) {
        SCOPED_TRACE(testing::Message() << p.tC << " C, " << p.P << " MPa");
        calculate(QString::number(p.tC), QString::number(p.P));
        const double T = p.tC + C;
        const auto pair = Globals::Equality_solids(T, p.P);
        const char* const cells[2][6] = {
            {"Result1N", "Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK"},
            {"Result2N", "Result2K", "Result2aN", "Result2aK", "Result2bN", "Result2bK"},
        };
        for (int i = 0; i < 2; ++i) {
            const double x = pair[i];
            const double aN = x * std::exp(Globals::Activity_Coefficient_Solid(1, x, 1 - x, T, p.P));
            const double aK = (1 - x) * std::exp(Globals::Activity_Coefficient_Solid(2, x, 1 - x, T, p.P));
            EXPECT_EQ(text(cells[i][0]), Str(x));
            EXPECT_EQ(text(cells[i][1]), Str(1 - x));
            EXPECT_EQ(text(cells[i][2]), Str(aN));
            EXPECT_EQ(text(cells[i][3]), Str(aK));
            EXPECT_EQ(text(cells[i][4]), Str(8.31451 * T * std::log(aN)));
            EXPECT_EQ(text(cells[i][5]), Str(8.31451 * T * std::log(aK)));
        }
        // What a reader checks: each column sums to 1, phase 1 is the
        // KCl-rich solid, and each salt has one activity and one chemical
        // potential in both solids (to the 7 digits shown).
        EXPECT_NEAR(ui::Val(text("Result1N")) + ui::Val(text("Result1K")), 1, 2e-7);
        EXPECT_LT(ui::Val(text("Result1N")), ui::Val(text("Result2N")));
        for (auto [a, b] : {std::pair{"Result1aN", "Result2aN"}, std::pair{"Result1aK", "Result2aK"},
                            std::pair{"Result1bN", "Result2bN"}, std::pair{"Result1bK", "Result2bK"}}) {
            const double va = ui::Val(text(a)), vb = ui::Val(text(b));
            EXPECT_NEAR(va, vb, 2e-6 * std::fabs(va)) << a;
        }
        EXPECT_EQ(w().label("Result1N").textColor(), ui::kBlack);
    }
}

TEST_F(ThermoSolvusWindow, AboveTheConsolutePointInRedThenBlackAgain) {
    calculate("400", "0.1");
    ASSERT_FALSE(allEmpty());
    calculate("500", "0.1");
    for (auto [label, message] :
         {std::pair{"Result1N", "Temperature exceeds"}, {"Result2N", "maximum of solvus"}}) {
        EXPECT_EQ(text(label), message);
        EXPECT_EQ(w().label(label).textColor(), ui::kRed);
        EXPECT_EQ(w().label(label).textSize(), 11);
    }
    for (const char* r : kResults) {
        if (QLatin1String(r) == QLatin1String("Result1N") || QLatin1String(r) == QLatin1String("Result2N"))
            continue;
        EXPECT_TRUE(text(r).isEmpty()) << r;
    }
    // Typing empties the message, and the small red stays for the next text.
    testsupport::typeInto(w().field("dataEntry1"), "1");
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(w().label("Result1N").textColor(), ui::kRed);
    EXPECT_EQ(w().label("Result2N").textSize(), 11);
    // The same temperature at 100 MPa lies below the consolute point.
    calculate("500", "100");
    for (const char* label : {"Result1N", "Result2N"}) {
        EXPECT_EQ(w().label(label).textColor(), ui::kBlack);
        EXPECT_EQ(w().label(label).textSize(), 14);
        EXPECT_GT(ui::Val(text(label)), 0.5);
    }
}

TEST_F(ThermoSolvusWindow, EitherEntryEmptiesAllResults) {
    for (const char* entry : {"dataEntry1", "dataEntry2"}) {
        calculate("300", "0.1");
        ASSERT_FALSE(text("Result2bK").isEmpty());
        testsupport::typeInto(w().field(entry), "5");
        EXPECT_TRUE(allEmpty()) << entry;
    }
}

TEST_F(ThermoSolvusWindow, LeavesTheSharedCompositionAlone) {
    Globals::ASnumber[1] = 12.5;
    Globals::MASSnumber[2] = 7.5;
    Globals::Mnumber[1] = 3;
    calculate("400", "0.1");
    calculate("500", "0.1");
    EXPECT_EQ(Globals::ASnumber[1], 12.5);
    EXPECT_EQ(Globals::MASSnumber[2], 7.5);
    EXPECT_EQ(Globals::Mnumber[1], 3);
}

TEST_F(ThermoSolvusWindow, NothingTypedIsZeroDegreesAndZeroPressure) {
    w().button("calculate").click();
    const auto pair = Globals::Equality_solids(C, 0);
    EXPECT_EQ(text("Result1N"), Str(pair[0]));
}

TEST_F(ThermoSolvusWindow, HostileEntriesNeverShowAnythingButNumbersOrTexts) {
    const char* const junk[] = {"",      "abc",   "1e999", "-1e999", "-1e308",  "1e308", "nan",
                                "inf",   "-inf",  "4,5e2", "1e-320", "-273.15", "-300",  "0",
                                " 400 ", "492.9", "--5",   "1.2.3",  "e5",      "\u02da"};
    QElapsedTimer slowest;
    qint64 worstMs = 0;
    for (const char* t : junk) {
        for (const char* p : junk) {
            slowest.start();
            calculate(QString::fromUtf8(t), QString::fromUtf8(p));
            worstMs = std::max(worstMs, slowest.elapsed());
            for (const char* r : kResults) {
                const QString s = text(r);
                EXPECT_FALSE(s.contains("nan", Qt::CaseInsensitive) || s.contains("inf", Qt::CaseInsensitive))
                    << r << " = " << s.toStdString() << " at " << t << " C, " << p << " MPa";
            }
        }
    }
    EXPECT_LT(worstMs, 1000);
}

TEST_F(ThermoSolvusWindow, NothingClipped) {
    calculate("400", "0.1");
    w().Show();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Solvus-calculated");
    calculate("500", "0.1");
    testsupport::processEvents();
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Solvus-above-consolute");
}

} // namespace
