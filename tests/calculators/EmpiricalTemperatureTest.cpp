// The dissolution-temperature window driven as a user drives it: typing
// compositions in three scales, choosing solids, pressing "calculate".
#include "support/GuiTest.h"

#include "calculators/CompositionEntry.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QRegularExpression>
#include <QTest>

#include <array>

namespace {

using Globals::ASnumber;
using Globals::MASSnumber;
using Globals::Mnumber;
using testsupport::GuiTest;

const QString kDegC = QStringLiteral(" \u02daC");

class TemperatureWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        w = EmpiricalTemperature();
        w->Show();
        testsupport::processEvents();
    }

    QString text(const char* label) const { return w->label(label).text(); }

    // Replaces the entry's text key by key, as a user who selects it and types.
    void type(const char* entry, const QString& typed) {
        ui::EditField& f = w->field(entry);
        if (typed.isEmpty()) {
            f.selectAll();
            QTest::keyClick(&f, Qt::Key_Backspace);
            return;
        }
        f.selectAll();
        testsupport::typeInto(f, typed);
    }
    void choose(const char* radio) { testsupport::click(w->radio(radio)); }
    void calculate() { w->button("calculate").click(); }

    // Result1 and Result2 after choosing the solid and pressing "calculate".
    std::array<QString, 2> resultsFor(const char* solid) {
        choose(solid);
        calculate();
        return {text("Result1"), text("Result2")};
    }

    QStringList cells() const {
        QStringList texts;
        for (const char* c : {"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"})
            texts << text(c);
        return texts;
    }

    class EmpiricalTemperature* w = nullptr;
};

// Enough digits for a double to come back unchanged through Val.
QString exactly(double x) {
    return QString::number(x, 'g', 17);
}

QString celsius(double kelvin) {
    return ui::Str(kelvin - 273.15) + QStringLiteral(" \u02daC");
}

TEST_F(TemperatureWindow, ANewWindowHasItsControlsAndStartingState) {
    EXPECT_EQ(w->windowTitle(), "SLV surface H2O-NaCl-KCl");
    EXPECT_EQ(w->content().size(), QSize(450, 570));
    EXPECT_EQ(w->controls().size(), 42u);
    EXPECT_EQ(w->label("StaticText2", 0).text(), "mass %");
    EXPECT_EQ(w->label("StaticText2", 1).text(), "as %");
    EXPECT_EQ(w->label("StaticText2", 1).geometry(), QRect(178, 233, 40, 20));
    EXPECT_EQ(text("StaticText1"), "mass %");
    EXPECT_EQ(text("Tm2"), "Ice");
    EXPECT_EQ(text("StaticText8"), "as % = amount-of-substance percentage (\"mole\" percentage)");
    EXPECT_EQ(w->groupBox("Field").title(), "Field* ");
    EXPECT_TRUE(w->radio("Mass").value());
    EXPECT_TRUE(w->radio("field1").value());
    EXPECT_EQ(w->defaultButton(), &w->button("calculate"));
    EXPECT_EQ(cells(), QStringList(6, QString()));
    EXPECT_EQ(text("Result1"), "");
    EXPECT_EQ(text("Result2"), "");
    // The labels of the results lie in their frames.
    EXPECT_EQ(w->label("Result2").parentWidget(), &w->rectangle("Rectangle12"));
    EXPECT_EQ(w->label("Result2").mapTo(&w->content(), QPoint(0, 0)), QPoint(299, 524));
}

TEST_F(TemperatureWindow, FromStartUpIceMeltsAtZero) {
    calculate();
    EXPECT_EQ(text("Result1"), "0" + kDegC);
    EXPECT_EQ(text("Result2"), "< 0.1 MPa");
}

// ---------------------------------------------------------------------------
// Composition entry: the three scales, through the window.

TEST_F(TemperatureWindow, MassPercentIsConvertedIntoTheOtherScales) {
    type("dataEntry1", "20");
    EXPECT_EQ(MASSnumber[0], 80);
    EXPECT_NEAR(ASnumber[1], 7.15, 5e-3);
    EXPECT_NEAR(Mnumber[1], 4.28, 5e-3);
    EXPECT_EQ(cells(), QStringList({"20", "0", ui::Str(ASnumber[1]), "0", ui::Str(Mnumber[1]), "0"}));
    type("dataEntry2", "10");
    EXPECT_EQ(MASSnumber[0], 70);
    EXPECT_NEAR(ASnumber[1], 7.84, 5e-3);
    EXPECT_NEAR(ASnumber[2], 3.07, 5e-3);
    EXPECT_NEAR(Mnumber[1], 4.89, 5e-3);
    EXPECT_NEAR(Mnumber[2], 1.92, 5e-3);
    EXPECT_EQ(cells(), QStringList({"20", "10", ui::Str(ASnumber[1]), ui::Str(ASnumber[2]),
                                    ui::Str(Mnumber[1]), ui::Str(Mnumber[2])}));
}

TEST_F(TemperatureWindow, AmountOfSubstancePercentIsConvertedIntoTheOtherScales) {
    choose("Mole");
    EXPECT_EQ(text("StaticText1"), "as %");
    type("dataEntry1", "10");
    EXPECT_EQ(ASnumber[0], 90);
    EXPECT_NEAR(MASSnumber[1], 26.5, 0.05);
    EXPECT_NEAR(MASSnumber[0], 73.5, 0.05);
    EXPECT_NEAR(Mnumber[1], 6.17, 5e-3);
    EXPECT_EQ(cells(), QStringList({ui::Str(MASSnumber[1]), "0", "10", "0", ui::Str(Mnumber[1]), "0"}));
}

TEST_F(TemperatureWindow, MolalityIsConvertedIntoTheOtherScales) {
    choose("Molality");
    EXPECT_EQ(text("StaticText1"), "mole / kg H2O");
    type("dataEntry1", "2");
    EXPECT_NEAR(MASSnumber[1], 10.5, 0.05);
    EXPECT_NEAR(MASSnumber[0], 89.5, 0.05);
    EXPECT_NEAR(ASnumber[1], 3.48, 5e-3);
    EXPECT_EQ(text("molNaCl"), "2");
    EXPECT_EQ(text("molKCl"), "0");
    type("dataEntry2", "1");
    EXPECT_NEAR(MASSnumber[0], 83.9, 0.05);
    EXPECT_NEAR(MASSnumber[1], 9.81, 5e-3);
    EXPECT_NEAR(MASSnumber[2], 6.26, 5e-3);
    EXPECT_NEAR(ASnumber[1], 3.42, 5e-3);
    EXPECT_NEAR(ASnumber[2], 1.71, 5e-3);
    EXPECT_EQ(cells(), QStringList({ui::Str(MASSnumber[1]), ui::Str(MASSnumber[2]), ui::Str(ASnumber[1]),
                                    ui::Str(ASnumber[2]), "2", "1"}));
}

TEST_F(TemperatureWindow, WithoutWaterTheMolalityIsUndefined) {
    type("dataEntry1", "100");
    EXPECT_EQ(cells(), QStringList({"100", "0", "100", "0", " - ", " - "}));
    EXPECT_EQ(Mnumber[1], 0);
    EXPECT_EQ(Mnumber[2], 0);

    type("dataEntry1", "60");
    type("dataEntry2", "50");
    EXPECT_EQ(MASSnumber[0], -10);
    EXPECT_NEAR(ASnumber[1], 89.9, 0.05);
    EXPECT_NEAR(ASnumber[2], 58.7, 0.05);
    EXPECT_EQ(cells().mid(4), QStringList({" - ", " - "}));
    // Nothing dissolves in a salt without water.
    for (const char* solid : {"field1", "field2", "field3", "field4"}) {
        const auto r = resultsFor(solid);
        EXPECT_TRUE(r[0].startsWith("no ")) << solid << ": " << r[0].toStdString();
        EXPECT_EQ(r[1], "");
    }
}

TEST_F(TemperatureWindow, AConversionThatFailsShowsDashesAndCalculatesNothing) {
    // Valid numbers first, so that stale ones could show.
    type("dataEntry1", "20");
    type("dataEntry2", "1000"); // moles in 100 g below 0: no amount-of-substance %
    EXPECT_EQ(cells(), QStringList({"20", "1000", " - ", " - ", " - ", " - "}));
    EXPECT_EQ(resultsFor("field2"), (std::array<QString, 2>{"no hydrohalite", ""}));
    EXPECT_EQ(resultsFor("field3"), (std::array<QString, 2>{"no halite", ""}));
    EXPECT_EQ(resultsFor("field4"), (std::array<QString, 2>{"no sylvite", ""}));
    EXPECT_EQ(resultsFor("field1"), (std::array<QString, 2>{"no ice", ""}));

    // The unknown KCl content stays unknown until it is typed again.
    choose("Mole");
    type("dataEntry1", "10");
    EXPECT_EQ(cells().mid(2, 2), QStringList({"10", " - "}));
    type("dataEntry2", "0");
    EXPECT_EQ(cells().mid(2, 2), QStringList({"10", "0"}));
    type("dataEntry1", "-500"); // grams in 100 mol below 0: no mass %
    EXPECT_EQ(cells(), QStringList({" - ", " - ", "-500", "0", " - ", " - "}));
    EXPECT_EQ(resultsFor("field1"), (std::array<QString, 2>{"no ice", ""}));

    choose("Molality");
    type("dataEntry1", "-100"); // grams of solution below 0
    EXPECT_EQ(cells(), QStringList({" - ", " - ", " - ", " - ", " - ", " - "}));
    for (const char* solid : {"field2", "field3", "field1"})
        EXPECT_TRUE(resultsFor(solid)[0].startsWith("no ")) << solid;
}

// ---------------------------------------------------------------------------
// Limits: each solid at and beyond its range, with compositions on its
// surface a hundredth of a kelvin inside and outside.

struct Limit {
    const char* radio;
    int fieldCode;
    double limitK;
    double ratio; // SaltRatio of the liquid
    const char* none;
};

const Limit kLimits[] = {
    {"field2", 2, 248.15, 1.0, "no hydrohalite"}, {"field2", 2, 275.15, 1.0, "no hydrohalite"},
    {"field2", 2, 248.15, 0.9, "no hydrohalite"}, {"field3", 3, 268.15, 1.0, "no halite"},
    {"field4", 4, 248.15, 0.0, "no sylvite"},
};

TEST_F(TemperatureWindow, EachSaltSolidAtAndBeyondItsLimits) {
    choose("Mole");
    for (const Limit& l : kLimits) {
        for (double offset : {-0.01, 0.01}) {
            const double T = l.limitK + offset;
            SCOPED_TRACE(std::string(l.radio) + " at " + std::to_string(T));
            const double xSalt = 1 - Globals::Molefraction_H2O(l.fieldCode, T, l.ratio);
            type("dataEntry1", exactly(100 * xSalt * l.ratio));
            type("dataEntry2", exactly(100 * xSalt * (1 - l.ratio)));
            const auto r = resultsFor(l.radio);
            const double found = Globals::FDP_Mirtox(l.fieldCode, ASnumber[1] / 100, ASnumber[2] / 100);
            ASSERT_NEAR(found, T, 1e-6);
            const bool inside = (l.limitK == 275.15) == (offset < 0);
            if (inside) {
                EXPECT_EQ(r[0], celsius(found));
                EXPECT_NE(r[1], "");
            } else {
                EXPECT_EQ(r[0], l.none);
                EXPECT_EQ(r[1], "");
            }
        }
    }
}

TEST_F(TemperatureWindow, IceDownToMinusTwentyFive) {
    for (double offset : {-0.01, 0.01}) {
        const double T = 248.15 + offset;
        type("dataEntry1", exactly(Globals::Mass_Hall87(T, 1.0)));
        calculate();
        if (offset > 0) {
            EXPECT_EQ(text("Result1"), celsius(Globals::FDP_Hall87(MASSnumber[1], 0)));
            EXPECT_TRUE(text("Result1").startsWith("-24.99")) << text("Result1").toStdString();
            EXPECT_EQ(text("Result2"), "< 0.1 MPa");
        } else {
            EXPECT_EQ(text("Result1"), "no ice");
            EXPECT_EQ(text("Result2"), "");
        }
    }
}

TEST_F(TemperatureWindow, ANoTextNeverStandsBesideAStalePressure) {
    choose("field3");
    type("dataEntry1", "47.44");
    calculate();
    ASSERT_TRUE(text("Result2").endsWith(" MPa"));
    // The composition is changed elsewhere, as LIquidus does, without
    // clearing this window; the next press finds salts without water.
    calculators::ConvertComposition(1, calculators::CompositionScale::AmountOfSubstance, 70);
    calculators::ConvertComposition(2, calculators::CompositionScale::AmountOfSubstance, 40);
    calculate();
    EXPECT_EQ(text("Result1"), "no halite");
    EXPECT_EQ(text("Result2"), "");
}

// ---------------------------------------------------------------------------
// Pressures.

TEST_F(TemperatureWindow, ThePressureTextOfEachSolid) {
    // Hydrohalite in a liquid near the eutectic, halite and sylvite below
    // 180 degC.
    choose("Mole");
    type("dataEntry1", "8.5");
    EXPECT_EQ(resultsFor("field2")[1], "approx. 0.1 MPa");
    EXPECT_EQ(resultsFor("field1")[1], "< 0.1 MPa");
    type("dataEntry1", "10");
    EXPECT_EQ(resultsFor("field3")[1], "< 1.0 MPa");
    type("dataEntry1", "0");
    type("dataEntry2", "8");
    EXPECT_EQ(resultsFor("field4")[1], "< 1.0 MPa");
}

TEST_F(TemperatureWindow, SlvPressuresOfHaliteAndSylviteComeFromTheirEquations) {
    struct Case {
        const char* radio;
        int fieldCode;
        double temperatureK, ratio;
    };
    // Below and above 650 degC on both surfaces.
    const Case kCases[] = {
        {"field3", 3, 673.15, 0.8},
        {"field3", 3, 1000.0, 0.8},
        {"field4", 4, 773.15, 0.2},
        {"field4", 4, 950.0, 0.2},
    };
    choose("Mole");
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.radio) + " near " + std::to_string(c.temperatureK));
        const double xSalt = 1 - Globals::Molefraction_H2O(c.fieldCode, c.temperatureK, c.ratio);
        type("dataEntry1", exactly(100 * xSalt * c.ratio));
        type("dataEntry2", exactly(100 * xSalt * (1 - c.ratio)));
        const auto r = resultsFor(c.radio);
        const double xN = ASnumber[1] / 100, xK = ASnumber[2] / 100, xW = (1 - xN) - xK;
        const double T = Globals::FDP_Mirtox(c.fieldCode, xN, xK);
        const double P = T > 923.15 ? Globals::Pressure650(c.fieldCode, xW, xN, xK)
                                    : Globals::Pressure(c.fieldCode, xW, xN, T);
        ASSERT_GT(P, 1.0);
        EXPECT_EQ(r[0], celsius(T));
        EXPECT_EQ(r[1], ui::Str(P) + " MPa");
    }
}

// ---------------------------------------------------------------------------
// What clears what.

TEST_F(TemperatureWindow, TypingInEitherEntryClearsTheResults) {
    for (const char* entry : {"dataEntry1", "dataEntry2"}) {
        calculate();
        ASSERT_NE(text("Result1"), "");
        type(entry, "5");
        EXPECT_EQ(text("Result1"), "") << entry;
        EXPECT_EQ(text("Result2"), "") << entry;
    }
}

TEST_F(TemperatureWindow, ChoosingASolidRenamesItAndClearsTheResults) {
    type("dataEntry1", "47.44");
    calculate();
    const QString ice = text("Result1");
    choose("field3");
    EXPECT_EQ(text("Tm2"), "Halite");
    EXPECT_EQ(text("Result1"), "");
    EXPECT_EQ(text("Result2"), "");
    calculate();
    EXPECT_NE(text("Result1"), ice);
    EXPECT_EQ(text("Result1"), celsius(Globals::FDP_Mirtox(3, ASnumber[1] / 100, 0)));
    // Clicking the chosen solid again changes nothing.
    choose("field3");
    EXPECT_NE(text("Result1"), "");
    const char* names[] = {"Ice", "Hydrohalite", "Halite", "Sylvite"};
    const char* radios[] = {"field1", "field2", "field3", "field4"};
    for (int i : {3, 1, 0, 2}) {
        choose(radios[i]);
        EXPECT_EQ(text("Tm2"), names[i]);
    }
}

TEST_F(TemperatureWindow, ChoosingAScaleEmptiesEntriesTableAndResultsButKeepsTheComposition) {
    struct Scale {
        const char* radio;
        const char* unit;
    };
    for (const Scale s :
         {Scale{"Mole", "as %"}, Scale{"Molality", "mole / kg H2O"}, Scale{"Mass", "mass %"}}) {
        SCOPED_TRACE(s.radio);
        type("dataEntry1", "2");
        type("dataEntry2", "1");
        calculate();
        const std::array<double, 6> before{MASSnumber[1], MASSnumber[2], ASnumber[1],
                                           ASnumber[2],   Mnumber[1],    Mnumber[2]};
        choose(s.radio);
        EXPECT_EQ(text("StaticText1"), s.unit);
        EXPECT_EQ(cells(), QStringList(6, QString()));
        EXPECT_EQ(w->field("dataEntry1").text(), "");
        EXPECT_EQ(w->field("dataEntry2").text(), "");
        EXPECT_EQ(text("Result1"), "");
        EXPECT_EQ(text("Result2"), "");
        EXPECT_EQ(w->label("StaticText2", 0).text(), "mass %");
        EXPECT_EQ(w->label("StaticText2", 1).text(), "as %");
        // The scale radios write no array themselves.
        const std::array<double, 6> after{MASSnumber[1], MASSnumber[2], ASnumber[1],
                                          ASnumber[2],   Mnumber[1],    Mnumber[2]};
        EXPECT_EQ(after, before);
    }
    // What is typed next is read in the new scale.
    choose("Mole");
    type("dataEntry1", "5");
    EXPECT_EQ(ASnumber[1], 5);
    EXPECT_EQ(text("asNaCl"), "5");
    // Clicking the chosen scale again changes nothing.
    choose("Mole");
    EXPECT_EQ(w->field("dataEntry1").text(), "5");
    EXPECT_EQ(text("asNaCl"), "5");
}

// ---------------------------------------------------------------------------
// The composition is shared with LIquidus through the arrays of the
// numerical module.

TEST_F(TemperatureWindow, TypingHereWritesTheSharedComposition) {
    choose("Mole");
    type("dataEntry1", "12.5");
    type("dataEntry2", "3");
    EXPECT_EQ(ASnumber[1], 12.5);
    EXPECT_EQ(ASnumber[2], 3);
    EXPECT_EQ(ASnumber[0], 84.5);
    choose("Mass");
    type("dataEntry1", "20");
    type("dataEntry2", "0");
    EXPECT_NEAR(ASnumber[1], 7.15, 5e-3);
    EXPECT_EQ(ASnumber[2], 0);
}

TEST_F(TemperatureWindow, ACompositionTypedInTheOtherWindowIsTheOneCalculated) {
    choose("field3");
    type("dataEntry1", "30");
    calculate();
    const QStringList table = cells();
    const QString before = text("Result1");
    // LIquidus's entry runs the same conversion into the same arrays.
    calculators::ConvertComposition(1, calculators::CompositionScale::Mass, 47.44);
    calculators::ConvertComposition(2, calculators::CompositionScale::Mass, 0);
    // Nothing here changes until the next press ...
    EXPECT_EQ(cells(), table);
    EXPECT_EQ(text("Result1"), before);
    // ... which uses the other window's composition.
    calculate();
    EXPECT_EQ(text("Result1"), celsius(Globals::FDP_Mirtox(3, ASnumber[1] / 100, ASnumber[2] / 100)));
    EXPECT_NE(text("Result1"), before);
    // Two presses without a change write the same texts.
    const QString again = text("Result1");
    calculate();
    EXPECT_EQ(text("Result1"), again);
}

// ---------------------------------------------------------------------------
// Hostile input: whatever is typed, every label shows a number or one of the
// window's texts.

bool looksLikeNoNumber(const QString& s) {
    return s.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
           s.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

TEST_F(TemperatureWindow, NoTypedTextCrashesHangsOrShowsNaN) {
    const QStringList kTexts = {"",      "abc",    "-",     ".",    "1e999", "-1e999", "-1e308",
                                "1e308", "nan",    "inf",   "-inf", "1,5",   "2.5e1",  "1e-320",
                                "100",   "-100",   "99.99", "0x10", " 12 ",  "5e",     "1.2.3",
                                "1E-5",  "\u0663", "-0",    "1e20", "50"};
    const QRegularExpression temperature(QStringLiteral("^-?[0-9.]+(e[-+][0-9]+)? \u02daC$"));
    const QRegularExpression pressure(QStringLiteral("^[0-9.]+(e[-+][0-9]+)? MPa$"));
    const QStringList fixedPressures = {"< 0.1 MPa", "approx. 0.1 MPa", "< 1.0 MPa", " - "};
    for (const char* scale : {"Mass", "Mole", "Molality"}) {
        choose(scale);
        for (const QString& t1 : kTexts) {
            w->field("dataEntry1").setText(t1);
            for (const QString& t2 : kTexts) {
                w->field("dataEntry2").setText(t2);
                for (const char* solid : {"field1", "field2", "field3", "field4"}) {
                    choose(solid);
                    calculate();
                    const QString r1 = text("Result1"), r2 = text("Result2");
                    const std::string where = std::string(scale) + " " + solid + " [" + t1.toStdString() +
                                              "] [" + t2.toStdString() + "]";
                    if (r1.startsWith(QLatin1String("no "))) {
                        EXPECT_EQ(r2, "") << where;
                    } else {
                        EXPECT_TRUE(temperature.match(r1).hasMatch()) << where << ": " << r1.toStdString();
                        EXPECT_TRUE(fixedPressures.contains(r2) || pressure.match(r2).hasMatch())
                            << where << ": " << r2.toStdString();
                    }
                    for (QWidget* c : w->controls()) {
                        if (auto* l = dynamic_cast<ui::StaticText*>(c)) {
                            ASSERT_FALSE(looksLikeNoNumber(l->text()))
                                << where << ": " << l->objectName().toStdString() << " = "
                                << l->text().toStdString();
                        }
                    }
                }
            }
        }
    }
}

TEST_F(TemperatureWindow, EveryTextFitsItsControlAfterACalculation) {
    choose("Mole");
    type("dataEntry1", "8.5");
    type("dataEntry2", "0.0123456789");
    choose("field2");
    calculate();
    EXPECT_EQ(text("Result2"), "approx. 0.1 MPa");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
    testsupport::saveScreenshot(*w, QStringLiteral("EmpiricalTemperature-hydrohalite"));
    choose("field3");
    type("dataEntry1", "47.123456");
    calculate();
    choose("Molality");
    type("dataEntry1", "-100");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
    testsupport::saveScreenshot(*w, QStringLiteral("EmpiricalTemperature-dashes"));
}

} // namespace
