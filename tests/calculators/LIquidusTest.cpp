// The thermodynamic liquidus window: composition entry, radios, and the
// liquidus calculation driven as a user drives it.
#include "support/GuiTest.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/CompositionEntry.h"
#include "calculators/thermodynamic/LIquidus.h"

#include "Globals.h"
#include "ui/ValStr.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>

using testsupport::GuiTest;
using ui::Str;

namespace {

constexpr double C = 273.15;

const char* const kResults[] = {"Result1",     "ResultactNaCl", "ResultactKCl",
                                "ResultxNaCl", "ResultxKCl",    "ResultPslv"};
const char* const kTable[] = {"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"};

class LIquidusWindow : public GuiTest {
protected:
    class LIquidus& w() {
        return *LIquidus();
    }
    QString text(const char* label) { return w().label(label).text(); }
    // Replaces an entry's text key by key, as a user does after selecting it.
    void retype(const char* entry, const QString& t) {
        w().field(entry).clear();
        testsupport::typeInto(w().field(entry), t);
    }
    void choose(const char* radio) { testsupport::click(w().radio(radio)); }
    void enter(const char* scale, const QString& naCl, const QString& kCl) {
        choose(scale);
        retype("dataEntry1", naCl);
        retype("dataEntry2", kCl);
    }
    void press() { w().button("calculate").click(); }
    bool resultsEmpty() {
        for (const char* r : kResults)
            if (!text(r).isEmpty()) return false;
        return true;
    }
    QStringList results() {
        QStringList l;
        for (const char* r : kResults)
            l << text(r);
        return l;
    }
    void expectCell(const char* cell, const QString& shown, unsigned colour, int size) {
        EXPECT_EQ(text(cell), shown) << cell;
        EXPECT_EQ(w().label(cell).textColor(), colour) << cell;
        EXPECT_EQ(w().label(cell).textSize(), size) << cell;
    }
};

TEST_F(LIquidusWindow, ControlsInTheirOrder) {
    const char* const names[] = {
        "titel",         "dataEntryP",  "pres",        "pres1",       "calculate",    "Field",
        "field3",        "field4",      "PushButton1", "dataEntry1",  "StaticText4",  "Rectangle13",
        "asNaCl",        "Rectangle14", "asKCl",       "Rectangle15", "molNaCl",      "Rectangle16",
        "molKCl",        "StaticText1", "StaticText2", "Rectangle17", "massNaCl",     "Rectangle18",
        "massKCl",       "GroupBox1",   "Mass",        "Mole",        "Molality",     "StaticText8",
        "dataEntry2",    "StaticText3", "salt1",       "salt2",       "Comp1",        "composition",
        "Rectangle1",    "Result1N",    "NaCl",        "Result1",     "Rectangle2",   "ResultxKCl",
        "composition1",  "Rectangle3",  "Result1N1",   "Rectangle4",  "ResultactKCl", "Rectangle5",
        "ResultactNaCl", "NaCl1",       "NaCl11",      "KCl",         "KCl1",         "ResultxNaCl",
        "activity",      "Line1",       "Tm2",         "PressureSLV", "Rectangle19",  "ResultPslv",
        "salt11",        "salt21",      "pres11",      "PushButton2",
    };
    const auto& controls = w().controls();
    ASSERT_EQ(controls.size(), 64u);
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->objectName(), names[i]) << i;
    EXPECT_EQ(w().windowTitle(), "Liquidus H2O-NaCl-KCl System");
    EXPECT_EQ(w().content().size(), QSize(780, 480));
    EXPECT_EQ(w().defaultButton(), &w().button("calculate"));

    // The column header "mass %" is element 0 of its control array.
    EXPECT_EQ(w().label("StaticText2", 0).text(), "mass %");
    EXPECT_EQ(w().find("StaticText2"), nullptr);
    EXPECT_EQ(w().line("Line1").from(), QPoint(420, 85));
    EXPECT_EQ(w().line("Line1").to(), QPoint(420, 450));
    // The two result labels that lie on an empty label of the same place.
    EXPECT_EQ(w().label("Result1").parentWidget(), &w().label("Result1N"));
    EXPECT_EQ(w().label("ResultxNaCl").parentWidget(), &w().label("Result1N1"));
    EXPECT_EQ(w().label("Result1").mapTo(&w().content(), QPoint(0, 0)), QPoint(553, 200));
    EXPECT_EQ(text("NaCl"), "\u02daCelsius");
    EXPECT_EQ(text("StaticText8"), "as % = amount-of-substance percentage (\"mole\" percentage)");

    // A fresh window: mass % and halite, nothing shown.
    EXPECT_TRUE(w().radio("Mass").value());
    EXPECT_TRUE(w().radio("field3").value());
    EXPECT_EQ(text("StaticText1"), "mass %");
    EXPECT_EQ(text("Tm2"), "Halite Field");
    for (const char* c : kTable)
        expectCell(c, "", ui::kBlack, 16);
    EXPECT_TRUE(resultsEmpty());
}

TEST_F(LIquidusWindow, ReachedFromTheChooser) {
    Start1()->button("continue1").click();
    testsupport::click(Start2()->radio("Thermodynamic"));
    testsupport::click(Start2()->radio("Temperature"));
    Start2()->button("PushButton1").click();
    testsupport::processEvents();
    ASSERT_TRUE(testsupport::isShown("LIquidus"));
    choose("Mole");
    testsupport::typeInto(w().field("dataEntryP"), "0.1");
    testsupport::typeInto(w().field("dataEntry1"), "15");
    testsupport::typeInto(w().field("dataEntry2"), "5");
    QTest::keyClick(&w().field("dataEntry2"), Qt::Key_Return);
    // Halite dissolves near 296 C in this liquid.
    EXPECT_NEAR(ui::Val(text("Result1")), 296.29, 0.01);
}

struct Conversion {
    const char* scale;
    const char* naCl;
    const char* kCl;
    double mass[2], as[2], mol[2];
    double tolerance;
};

// One entry in each scale, as a user reads the table (digits as shown).
const Conversion kConversions[] = {
    {"Mass", "10", "", {10, 0}, {3.31, 0}, {1.90, 0}, 5e-3},
    {"Mass", "20", "10", {20, 10}, {7.84, 3.07}, {4.89, 1.92}, 5e-3},
    {"Mole", "10", "", {26.5, 0}, {10, 0}, {6.17, 0}, 5e-2},
    {"Molality", "1", "", {5.52, 0}, {1.77, 0}, {1, 0}, 5e-3},
    {"Molality", "2", "1", {9.81, 6.26}, {3.42, 1.71}, {2, 1}, 5e-3},
};

TEST_F(LIquidusWindow, ConversionTableInEachScale) {
    for (const Conversion& c : kConversions) {
        SCOPED_TRACE(testing::Message() << c.scale << " " << c.naCl << " / " << c.kCl);
        enter(c.scale, c.naCl, c.kCl);
        const char* const cells[3][2] = {{"massNaCl", "massKCl"}, {"asNaCl", "asKCl"}, {"molNaCl", "molKCl"}};
        const double* const expected[3] = {c.mass, c.as, c.mol};
        for (int row = 0; row < 3; ++row) {
            for (int salt = 0; salt < 2; ++salt) {
                const char* cell = cells[row][salt];
                EXPECT_NEAR(ui::Val(text(cell)), expected[row][salt], c.tolerance) << cell;
                EXPECT_EQ(w().label(cell).textColor(), ui::kBlack) << cell;
                EXPECT_EQ(w().label(cell).textSize(), 16) << cell;
            }
        }
        // The cells show the arrays that "calculate" reads.
        EXPECT_EQ(text("asNaCl"), Str(Globals::ASnumber[1]));
        EXPECT_EQ(text("massKCl"), Str(Globals::MASSnumber[2]));
        EXPECT_EQ(text("molNaCl"), Str(Globals::Mnumber[1]));
    }
}

TEST_F(LIquidusWindow, SaltsAbove100AreOutOfRangeInRed) {
    // Mass %: both pairs exceed 100 (as % about 89.9 and 58.7); no water.
    enter("Mass", "60", "50");
    for (const char* c : {"massNaCl", "massKCl", "asNaCl", "asKCl"})
        expectCell(c, "out of range", ui::kRed, 12);
    expectCell("molNaCl", " - ", ui::kBlack, 16);
    expectCell("molKCl", " - ", ui::kBlack, 16);
    EXPECT_NEAR(Globals::ASnumber[1], 89.9, 0.05); // converted all the same
    EXPECT_NEAR(Globals::ASnumber[2], 58.7, 0.05);
    EXPECT_EQ(Globals::Mnumber[1], 0);

    // Correcting KCl brings black numbers back.
    retype("dataEntry2", "30");
    EXPECT_EQ(text("massNaCl"), "60");
    EXPECT_EQ(text("massKCl"), "30");
    EXPECT_NEAR(ui::Val(text("asNaCl")), 51.7, 0.05);
    EXPECT_NEAR(ui::Val(text("asKCl")), 20.3, 0.05);
    EXPECT_NEAR(ui::Val(text("molNaCl")), 103, 0.5);
    EXPECT_NEAR(ui::Val(text("molKCl")), 40.2, 0.05);
    for (const char* c : kTable) {
        EXPECT_EQ(w().label(c).textColor(), ui::kBlack) << c;
        EXPECT_EQ(w().label(c).textSize(), 16) << c;
    }

    // Exactly 100: shown, but no water for a molality.
    retype("dataEntry2", "40");
    expectCell("massNaCl", "60", ui::kBlack, 16);
    expectCell("massKCl", "40", ui::kBlack, 16);
    expectCell("molKCl", " - ", ui::kBlack, 16);

    // As %: 70 and 40 exceed 100 in both pairs.
    enter("Mole", "70", "40");
    for (const char* c : {"massNaCl", "massKCl", "asNaCl", "asKCl"})
        expectCell(c, "out of range", ui::kRed, 12);
    expectCell("molNaCl", " - ", ui::kBlack, 16);

    // A typed molality gives a solution that is never more than salt: no
    // pair can exceed 100 in this scale, however large the molality.
    enter("Molality", "1e6", "1e6");
    for (const char* c : kTable)
        EXPECT_EQ(w().label(c).textColor(), ui::kBlack) << c;
    EXPECT_LT(ui::Val(text("massNaCl")) + ui::Val(text("massKCl")), 100);
}

TEST_F(LIquidusWindow, ValuesThatCannotBeConvertedShowADash) {
    // Grams of solution per kg of water below 0: no mass %.
    enter("Molality", "-20", "");
    expectCell("massNaCl", " - ", ui::kBlack, 16);
    expectCell("massKCl", " - ", ui::kBlack, 16);
    EXPECT_EQ(text("asNaCl"), Str(Globals::ASnumber[1]));
    EXPECT_EQ(text("molNaCl"), " - ");
    // Moles in 100 g below 0: no as %, and no number from the entry before.
    enter("Mass", "20", "1000");
    expectCell("asNaCl", " - ", ui::kBlack, 16);
    expectCell("massNaCl", "out of range", ui::kRed, 12);
}

TEST_F(LIquidusWindow, ScaleChoiceEmptiesEntriesTableAndResult) {
    const struct {
        const char* radio;
        const char* unit;
        const char* from;
        double* array;
    } scales[] = {{"Mole", "as %", "Mass", Globals::ASnumber},
                  {"Molality", "mole / kg H2O", "Mole", Globals::Mnumber},
                  {"Mass", "mass %", "Molality", Globals::MASSnumber}};
    retype("dataEntryP", "0.1");
    for (const auto& s : scales) {
        SCOPED_TRACE(s.radio);
        enter(s.from, "15", "5");
        press();
        ASSERT_FALSE(text("Result1").isEmpty());
        choose(s.radio);
        EXPECT_EQ(text("StaticText1"), s.unit);
        EXPECT_TRUE(w().field("dataEntry1").text().isEmpty());
        EXPECT_TRUE(w().field("dataEntry2").text().isEmpty());
        EXPECT_TRUE(resultsEmpty());
        // Emptying the entries is a change of their text: 0 is entered for
        // both salts in the new scale.
        EXPECT_EQ(Globals::ASnumber[1], 0);
        EXPECT_EQ(Globals::ASnumber[2], 0);
        // The next entry is read in the new scale.
        testsupport::typeInto(w().field("dataEntry1"), "2");
        EXPECT_EQ(s.array[1], 2);
        EXPECT_EQ(w().label("StaticText2", 0).text(), "mass %"); // the column header stays
    }
}

TEST_F(LIquidusWindow, FieldChoiceEmptiesOnlyTheResults) {
    retype("dataEntryP", "0.1");
    enter("Mole", "15", "5");
    press();
    ASSERT_FALSE(resultsEmpty());
    const QString asNaCl = text("asNaCl");
    choose("field4");
    EXPECT_EQ(text("Tm2"), "Sylvite Field");
    EXPECT_TRUE(resultsEmpty());
    EXPECT_EQ(w().field("dataEntry1").text(), "15");
    EXPECT_EQ(text("asNaCl"), asNaCl);
    press();
    ASSERT_FALSE(resultsEmpty());
    choose("field3");
    EXPECT_EQ(text("Tm2"), "Halite Field");
    EXPECT_TRUE(resultsEmpty());
    EXPECT_EQ(Globals::ASnumber[1], 15);
}

struct Case {
    const char* what;
    const char* scale;
    const char* naCl;
    const char* kCl;
    const char* field;
    const char* pressure;
};

const Case kCases[] = {
    {"ternary, halite", "Mole", "15", "5", "field3", "0.1"},
    {"ternary, sylvite, 100 MPa", "Mole", "5", "25", "field4", "100"},
    {"start below 273.15 K, seeded at 293.15 K", "Mass", "20", "10", "field3", "100"},
    {"start above 923.15 K: SLV pressure from the composition", "Mole", "30", "62", "field3", "0.1"},
    {"NaCl-H2O", "Mass", "30", "", "field3", "0.1"},
    {"KCl-H2O", "Mass", "", "30", "field4", "100"},
    {"sylvite near 0 C at 500 MPa", "Molality", "2", "1", "field4", "500"},
    {"halite, negative pressure", "Mole", "15", "5", "field3", "-100"},
};

// Every result label as the equations give it for the composition held in
// the arrays, with the arguments in the equations' order.
TEST_F(LIquidusWindow, ResultsAreTheModels) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        choose(c.field);
        enter(c.scale, c.naCl, c.kCl);
        retype("dataEntryP", c.pressure);
        press();

        const int field = c.field == std::string("field3") ? 3 : 4;
        const double xN = Globals::ASnumber[1] / 100, xK = Globals::ASnumber[2] / 100;
        const double P = ui::Val(c.pressure);
        double seed = Globals::FDP_Mirtox(field, xN, xK);
        if (seed < 273.15)
            seed = 293.15;
        else if (seed > 1093.15)
            seed = 1073.15;
        const auto t = Globals::Temperature_Liquidus(field, xN, xK, P, seed);
        ASSERT_GT(t[0], 0);
        EXPECT_EQ(text("Result1"), Str(t[0] - C));
        EXPECT_EQ(text("ResultactNaCl"),
                  Str(xN * std::exp(Globals::Activity_Coefficient_Liquid(1, xN, xK, t[0], P))));
        EXPECT_EQ(text("ResultactKCl"),
                  Str(xK * std::exp(Globals::Activity_Coefficient_Liquid(2, xN, xK, t[0], P))));
        EXPECT_EQ(text("ResultxNaCl"), Str(t[1]));
        EXPECT_EQ(text("ResultxKCl"), Str(t[2]));
        const double slv = seed <= 923.15 ? Globals::Pressure(field, (1 - xN) - xK, xN, seed)
                                          : Globals::Pressure650(field, (1 - xN) - xK, xN, xK);
        EXPECT_EQ(text("ResultPslv"), slv < 1.0 ? QString("< 1.0") : Str(slv));
    }
}

TEST_F(LIquidusWindow, OneSaltLiquids) {
    enter("Mass", "30", "");
    retype("dataEntryP", "0.1");
    press();
    EXPECT_NEAR(ui::Val(text("Result1")), 139.97, 0.01);
    EXPECT_EQ(text("ResultxNaCl"), "1");
    EXPECT_EQ(text("ResultxKCl"), "0");
    EXPECT_EQ(text("ResultactKCl"), "0");
    EXPECT_GT(ui::Val(text("ResultactNaCl")), 0);

    choose("field4");
    enter("Mass", "", "30");
    press();
    EXPECT_NEAR(ui::Val(text("Result1")), 53.55, 0.01);
    EXPECT_EQ(text("ResultxNaCl"), "0");
    EXPECT_EQ(text("ResultxKCl"), "1");
    EXPECT_EQ(text("ResultactNaCl"), "0");
}

TEST_F(LIquidusWindow, NoHaliteFromALiquidWithoutNaCl) {
    retype("dataEntryP", "0.1");
    enter("Mass", "", "30");
    press(); // halite is chosen at creation
    EXPECT_EQ(results(), (QStringList{"out of range", "", "", "", "", ""}));
    choose("field4");
    enter("Mass", "30", "");
    press();
    EXPECT_EQ(results(), (QStringList{"out of range", "", "", "", "", ""}));
}

TEST_F(LIquidusWindow, NothingTypedShowsNothing) {
    retype("dataEntryP", "0.1");
    press();
    EXPECT_TRUE(resultsEmpty());
    // Both salts typed back to 0 after a result.
    enter("Mole", "15", "5");
    press();
    ASSERT_FALSE(resultsEmpty());
    w().label("Result1").setText("stale"); // what a press must replace
    enter("Mole", "0", "0");
    press();
    EXPECT_TRUE(resultsEmpty());
}

TEST_F(LIquidusWindow, ThePressureEntryClearsNothing) {
    enter("Mole", "15", "5");
    retype("dataEntryP", "0.1");
    press();
    const QStringList shown = results();
    ASSERT_FALSE(shown[0].isEmpty());
    testsupport::typeInto(w().field("dataEntryP"), "00");
    EXPECT_EQ(results(), shown);
    // A pressure at which the model finds no liquidus: no result of the
    // earlier press stays beside the failure.
    retype("dataEntryP", "1e6");
    EXPECT_EQ(results(), shown);
    press();
    EXPECT_EQ(results(), (QStringList{"out of range", "", "", "", "", ""}));
}

TEST_F(LIquidusWindow, CompositionsThatAreNotCalculated) {
    const struct {
        const char* what;
        const char* scale;
        const char* naCl;
        const char* kCl;
    } cases[] = {
        {"salts above 100 mass %", "Mass", "60", "50"},
        {"salts above 100 as %", "Mole", "70", "40"},
        {"no water", "Mass", "60", "40"},
        {"negative NaCl", "Mass", "-5", "10"},
        {"negative KCl", "Molality", "2", "-1"},
        {"as % not computable", "Mass", "20", "1000"},
        {"mass % not computable", "Molality", "-20", ""},
    };
    retype("dataEntryP", "0.1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        enter("Mole", "15", "5");
        press();
        ASSERT_NE(text("Result1"), "out of range");
        enter(c.scale, c.naCl, c.kCl);
        // Entries never clear the pressure; results of the earlier press
        // are gone already, and the press writes all six.
        for (const char* r : kResults)
            w().label(r).setText("stale");
        press();
        EXPECT_EQ(results(), (QStringList{"out of range", "", "", "", "", ""}));
    }
}

// The composition is the last one typed in either composition window.
TEST_F(LIquidusWindow, CalculatesWithTheSharedComposition) {
    retype("dataEntryP", "0.1");
    enter("Mole", "5", "25");
    calculators::ConvertComposition(1, calculators::CompositionScale::AmountOfSubstance, 15);
    calculators::ConvertComposition(2, calculators::CompositionScale::AmountOfSubstance, 5);
    EXPECT_EQ(text("asNaCl"), "5"); // this window's table keeps its own entry
    press();
    EXPECT_NEAR(ui::Val(text("Result1")), 296.29, 0.01);
}

TEST_F(LIquidusWindow, HostileEntriesNeverShowAnythingButNumbersOrTexts) {
    const char* const junk[] = {"",    "abc",  "1e999", "-1e999", "-1e308", "1e308",  "nan",
                                "inf", "-inf", "4,5",   "1e-320", "-0",     " 12.5 ", "99.999999",
                                "100", "--5",  "1.2.3", "e5",     "15e0",   "\u02da"};
    const char* const scales[] = {"Mass", "Mole", "Molality"};
    const char* const fields[] = {"field3", "field4"};
    const char* const entries[] = {"dataEntry1", "dataEntry2", "dataEntryP"};
    const char* const sane[] = {"15", "5", "0.1"};
    qint64 worstMs = 0;
    QElapsedTimer timer;
    auto check = [&](const QString& where) {
        timer.start();
        press();
        worstMs = std::max(worstMs, timer.elapsed());
        for (QWidget* c : w().controls()) {
            auto* label = dynamic_cast<ui::StaticText*>(c);
            if (!label) continue;
            const QString s = label->text();
            EXPECT_FALSE(s.contains("nan", Qt::CaseInsensitive) || s.contains("inf", Qt::CaseInsensitive))
                << label->objectName().toStdString() << " = " << s.toStdString() << " at "
                << where.toStdString();
        }
    };
    for (const char* scale : scales) {
        for (const char* field : fields) {
            choose(scale);
            choose(field);
            for (int e = 0; e < 3; ++e) {
                for (const char* j : junk) {
                    for (int k = 0; k < 3; ++k)
                        w().field(entries[k]).setText(QString::fromUtf8(k == e ? j : sane[k]));
                    check(QStringLiteral("%1 %2 %3=%4").arg(scale, field, entries[e], QString::fromUtf8(j)));
                }
            }
            // Junk everywhere at once.
            for (const char* j : junk) {
                for (const char* entry : entries)
                    w().field(entry).setText(QString::fromUtf8(j));
                check(QStringLiteral("%1 %2 all=%3").arg(scale, field, QString::fromUtf8(j)));
            }
        }
    }
    EXPECT_LT(worstMs, 1000);
}

TEST_F(LIquidusWindow, NothingClipped) {
    w().Show();
    enter("Mole", "15", "5");
    retype("dataEntryP", "0.1");
    press();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "LIquidus-calculated");
    choose("field4");
    enter("Mass", "60", "50");
    press();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "LIquidus-out-of-range");
}

} // namespace
