// The two windows that take a salt content share one composition. Whichever
// way the user goes between them (the chooser, typing, pressing "calculate"),
// each window calculates with the numbers its own fields show.
#include "support/GuiTest.h"

#include "CalculatorTestKit.h"
#include "app/Start2.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "ui/ValStr.h"

#include <QApplication>

#include <cmath>
#include <cstring>
#include <utility>

namespace {

// The empirical and the thermodynamic window, as the chooser names their model.
constexpr const char* kEmpirical = "Empirical";
constexpr const char* kThermodynamic = "Thermodynamic";

// The column of the conversion table that holds the scale the entries are typed in.
const std::pair<const char*, const char*> kColumnOf[] = {
    {"massNaCl", "massKCl"}, {"asNaCl", "asKCl"}, {"molNaCl", "molKCl"}};
constexpr const char* kScales[] = {"Mass", "Mole", "Molality"};

class CompositionWindows : public testsupport::GuiTest {
protected:
    // The user's way to a window: the chooser's two radio buttons and
    // "continue". Whether and when the window is told that it became active
    // is the platform's; the window must be right without that, so no event
    // is let through here.
    static ui::Window& open(const char* model) {
        ui::Window& chooser = *Start2();
        testsupport::click(chooser.radio(model));
        testsupport::click(chooser.radio("Temperature"));
        chooser.button("PushButton1").click();
        if (std::strcmp(model, kEmpirical) == 0) return *EmpiricalTemperature();
        return *LIquidus();
    }
    // Replaces an entry's text as a user who selects it and types.
    static void type(ui::Window& w, const char* entry, const QString& typed) {
        w.field(entry).selectAll();
        testsupport::typeInto(w.field(entry), typed);
    }
    // Opens the window, chooses the scale and types both salts (and a pressure
    // where the window has one); the halite field in both windows.
    static ui::Window& enter(const char* model, const char* scale, const QString& naCl, const QString& kCl) {
        ui::Window& w = open(model);
        testsupport::click(w.radio(scale));
        testsupport::click(w.radio("field3"));
        if (w.find("dataEntryP")) type(w, "dataEntryP", "1");
        type(w, "dataEntry1", naCl);
        type(w, "dataEntry2", kCl);
        return w;
    }
    static QString calculate(ui::Window& w) {
        w.button("calculate").click();
        return w.label("Result1").text();
    }
    static QString entries(const ui::Window& w) {
        return w.field("dataEntry1").text() + " " + w.field("dataEntry2").text();
    }
    // The temperature "calculate" gives now, and the one it gives after the
    // user has typed again exactly what the two entries show. Numbers shown
    // with seven digits stand for the composition to within their last digit.
    static void expectCalculatesWhatItShows(ui::Window& w, const char* where) {
        const QString now = calculate(w);
        const QString shown = entries(w);
        type(w, "dataEntry1", w.field("dataEntry1").text());
        type(w, "dataEntry2", w.field("dataEntry2").text());
        const QString again = calculate(w);
        EXPECT_NE(ui::Val(now), 0) << where << ": a temperature, not " << now.toStdString();
        EXPECT_NEAR(ui::Val(now), ui::Val(again), 1e-3)
            << where << ": " << now.toStdString() << " shown beside " << shown.toStdString() << ", "
            << again.toStdString() << " when typed";
        EXPECT_EQ(entries(w), shown) << where;
    }
};

// NaCl 35, KCl 10 mass % in one window, 20 and 25 in the other, then only
// NaCl retyped as 12 in the first: the KCl that the first shows is the KCl it
// calculates with.
TEST_F(CompositionWindows, RetypingOneSaltAfterTheOtherWindowShowsTheSaltCalculatedWith) {
    for (auto [first, second] :
         {std::pair{kEmpirical, kThermodynamic}, std::pair{kThermodynamic, kEmpirical}}) {
        SCOPED_TRACE(first);
        enter(first, "Mass", "35", "10");
        enter(second, "Mass", "20", "25");
        ui::Window& w = open(first);
        type(w, "dataEntry1", "12");
        EXPECT_EQ(entries(w), QStringLiteral("12 25"));
        EXPECT_EQ(calctest::texts(w, {"massNaCl", "massKCl"}), QStringList({"12", "25"}));
        if (first == kEmpirical)
            EXPECT_EQ(calculate(w), "3.006653 \u02daC");
        else
            testsupport::click(w.radio("field4")); // no halite liquidus at 1 MPa
        expectCalculatesWhatItShows(w, first);
    }
}

// Back and forth through the chooser with every scale in either window:
// coming back, a window shows the composition typed in the other one in its
// own scale, beside the same numbers in its table, and calculates with it.
TEST_F(CompositionWindows, AfterSwitchingEachWindowCalculatesWhatItShowsInEachScale) {
    const std::pair<const char*, const char*> kTyped[][2] = {
        {{"35", "10"}, {"20", "25"}}, {{"12", "3"}, {"7", "8"}}, {{"6", "1"}, {"7", "0.5"}}};
    for (int e = 0; e < 3; ++e) {
        for (int t = 0; t < 3; ++t) {
            const std::string where = std::string(kScales[e]) + " / " + kScales[t];
            SCOPED_TRACE(where);
            enter(kEmpirical, kScales[e], kTyped[e][0].first, kTyped[e][0].second);
            enter(kThermodynamic, kScales[t], kTyped[t][1].first, kTyped[t][1].second);
            ui::Window& empirical = open(kEmpirical);
            const auto [naClCell, kClCell] = kColumnOf[e];
            EXPECT_EQ(entries(empirical),
                      empirical.label(naClCell).text() + " " + empirical.label(kClCell).text());
            expectCalculatesWhatItShows(empirical, "EmpiricalTemperature");
            // Retyping in EmpiricalTemperature changed the composition again.
            ui::Window& thermodynamic = open(kThermodynamic);
            EXPECT_EQ(entries(thermodynamic), thermodynamic.label(kColumnOf[t].first).text() + " " +
                                                  thermodynamic.label(kColumnOf[t].second).text());
            expectCalculatesWhatItShows(thermodynamic, "LIquidus");
        }
    }
}

// The chooser (or the window becoming active) shows the other window's
// composition before anything is pressed, and empties the results that
// belonged to the composition before; a window whose composition nobody
// changed keeps its results.
TEST_F(CompositionWindows, ComingBackShowsTheSharedCompositionAndKeepsOnlyResultsThatStillHold) {
    ui::Window& empirical = enter(kEmpirical, "Mass", "35", "10");
    const QString result = calculate(empirical);
    ASSERT_FALSE(result.isEmpty());
    open(kThermodynamic);
    open(kEmpirical);
    EXPECT_EQ(empirical.label("Result1").text(), result);

    ui::Window& thermodynamic = enter(kThermodynamic, "Mole", "7", "8");
    open(kEmpirical);
    EXPECT_EQ(calctest::texts(empirical, {"asNaCl", "asKCl"}), QStringList({"7", "8"}));
    EXPECT_EQ(entries(empirical),
              empirical.label("massNaCl").text() + " " + empirical.label("massKCl").text());
    EXPECT_EQ(empirical.label("Result1").text() + empirical.label("Result2").text(), "");

    ASSERT_FALSE(calculate(thermodynamic).isEmpty());
    type(empirical, "dataEntry2", "4");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&thermodynamic, &activate);
    EXPECT_EQ(entries(thermodynamic),
              thermodynamic.label("asNaCl").text() + " " + thermodynamic.label("asKCl").text());
    EXPECT_NE(thermodynamic.field("dataEntry2").text(), "8");
    EXPECT_EQ(thermodynamic.label("Result1").text(), "");
}

// A window built for the first time, or again after the user closed it,
// shows the composition typed before instead of empty entries that would
// read as no salt.
TEST_F(CompositionWindows, ANewWindowShowsTheCompositionTypedBefore) {
    enter(kThermodynamic, "Mass", "20", "25");
    EXPECT_EQ(entries(open(kEmpirical)), QStringLiteral("20 25"));
    open(kEmpirical).close();
    testsupport::processEvents();
    EXPECT_EQ(entries(open(kEmpirical)), QStringLiteral("20 25"));
}

// Salts that leave no water have no molality: a window in the molality scale
// shows the entries it cannot express as " - ", the table the mass and as %
// it calculates with, and the next salt typed there starts from no KCl.
TEST_F(CompositionWindows, ACompositionWithoutAMolalityInTheMolalityScale) {
    ui::Window& empirical = enter(kEmpirical, "Molality", "2", "1");
    enter(kThermodynamic, "Mass", "60", "40");
    open(kEmpirical);
    EXPECT_EQ(entries(empirical), QStringLiteral(" -   - "));
    EXPECT_EQ(calctest::texts(empirical, {"massNaCl", "massKCl"}), QStringList({"60", "40"}));
    type(empirical, "dataEntry1", "2");
    EXPECT_EQ(entries(empirical), QStringLiteral("2 0"));
    EXPECT_EQ(calctest::texts(empirical, {"molNaCl", "molKCl"}), QStringList({"2", "0"}));
    // Within one window too: a molality that leaves no solution is undefined,
    // and still the NaCl that the next edit of KCl converts with.
    type(empirical, "dataEntry1", "-100");
    type(empirical, "dataEntry2", "1");
    EXPECT_EQ(entries(empirical), QStringLiteral("-100 1"));
    EXPECT_EQ(calctest::texts(empirical, {"massNaCl", "molNaCl"}), QStringList({" - ", " - "}));
}

} // namespace
