// The two windows that take a salt content share one composition; each shows,
// on its own scale, the one it calculates with, wherever it was typed.
#include "support/GuiTest.h"

#include "CalculatorTestKit.h"
#include "app/Start2.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "ui/ValStr.h"

#include <QApplication>

namespace {

constexpr const char* kModels[] = {"Empirical", "Thermodynamic"};
constexpr const char* kScales[] = {"Mass", "Mole", "Molality"};
// The table cells of each scale, NaCl then KCl.
const QStringList kColumnOf[] = {{"massNaCl", "massKCl"}, {"asNaCl", "asKCl"}, {"molNaCl", "molKCl"}};

class CompositionWindows : public testsupport::GuiTest {
protected:
    // Through the chooser, letting no event through: the window must follow
    // without the activation that not every platform delivers.
    static ui::Window& open(int model) {
        ui::Window& chooser = *Start2();
        testsupport::click(chooser.radio(kModels[model]));
        testsupport::click(chooser.radio("Temperature"));
        chooser.button("PushButton1").click();
        return model == 0 ? static_cast<ui::Window&>(*EmpiricalTemperature()) : *LIquidus();
    }
    static void type(ui::Window& w, const char* entry, const QString& typed) {
        w.field(entry).selectAll();
        testsupport::typeInto(w.field(entry), typed);
    }
    // Opens the window and types both salts on the scale, halite field, 1 MPa.
    static ui::Window& enter(int model, int scale, std::pair<const char*, const char*> salts) {
        ui::Window& w = open(model);
        testsupport::click(w.radio(kScales[scale]));
        testsupport::click(w.radio("field3"));
        if (w.find("dataEntryP")) type(w, "dataEntryP", "1");
        type(w, "dataEntry1", salts.first);
        type(w, "dataEntry2", salts.second);
        return w;
    }
    static QString calculate(ui::Window& w) {
        w.button("calculate").click();
        return w.label("Result1").text();
    }
    static QString entries(const ui::Window& w) {
        return w.field("dataEntry1").text() + " " + w.field("dataEntry2").text();
    }
};

// Coming back through the chooser, in either window on each scale, the window
// shows the other's composition in its entries and table, empties its result
// and calculates with what it shows: retyping NaCl as shown changes nothing.
TEST_F(CompositionWindows, EachWindowFollowsTheOtherOnEveryScale) {
    const std::pair<const char*, const char*> kTyped[][2] = {
        {{"35", "10"}, {"20", "25"}}, {{"12", "3"}, {"7", "8"}}, {{"6", "1"}, {"7", "0.5"}}};
    for (int first : {0, 1}) {
        for (int e = 0; e < 3; ++e) {
            for (int t = 0; t < 3; ++t) {
                SCOPED_TRACE(testing::Message()
                             << kModels[first] << " " << kScales[e] << " / " << kScales[t]);
                ui::Window& w = enter(first, e, kTyped[e][0]);
                ASSERT_NE(calculate(w), "");
                enter(1 - first, t, kTyped[t][1]);
                open(first);
                EXPECT_EQ(calctest::texts(w, kColumnOf[t]),
                          QStringList({kTyped[t][1].first, kTyped[t][1].second}));
                EXPECT_EQ(entries(w), calctest::texts(w, kColumnOf[e]).join(" "));
                EXPECT_EQ(w.label("Result1").text(), "");
                const QString now = calculate(w);
                type(w, "dataEntry1", w.field("dataEntry1").text());
                EXPECT_EQ(entries(w), calctest::texts(w, kColumnOf[e]).join(" "));
                EXPECT_NE(ui::Val(now), 0) << now.toStdString();
                EXPECT_NEAR(ui::Val(calculate(w)), ui::Val(now), 1e-3);
                // Nothing changed the composition since: the result stays.
                open(1 - first);
                open(first);
                EXPECT_NE(w.label("Result1").text(), "");
            }
        }
    }
}

// A window already shown follows a composition typed in the other one on an
// edit of one salt, and when it becomes active.
TEST_F(CompositionWindows, AShownWindowFollowsOnAnEditAndOnActivation) {
    ui::Window& thermodynamic = enter(1, 1, {"7", "8"});
    ui::Window& empirical = enter(0, 0, {"35", "10"});
    type(thermodynamic, "dataEntry1", "5");
    EXPECT_EQ(entries(thermodynamic), "5 " + thermodynamic.label("asKCl").text());
    EXPECT_NE(thermodynamic.field("dataEntry2").text(), "8");

    ASSERT_NE(calculate(thermodynamic), "");
    type(empirical, "dataEntry2", "4");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&thermodynamic, &activate);
    EXPECT_EQ(entries(thermodynamic), calctest::texts(thermodynamic, kColumnOf[1]).join(" "));
    EXPECT_EQ(calctest::texts(thermodynamic, kColumnOf[0]).last(), "4");
    EXPECT_EQ(thermodynamic.label("Result1").text(), "");
}

// Built anew, or again after being closed, a window shows the composition
// typed before, not empty entries that read as no salt.
TEST_F(CompositionWindows, ANewWindowShowsTheCompositionTypedBefore) {
    enter(1, 0, {"20", "25"});
    EXPECT_EQ(entries(open(0)), QStringLiteral("20 25"));
    open(0).close();
    testsupport::processEvents();
    EXPECT_EQ(entries(open(0)), QStringLiteral("20 25"));
}

// Salts that leave no water have no molality: " - " in the entries, and the
// next salt typed there starts from no KCl.
TEST_F(CompositionWindows, ACompositionWithoutAMolalityInTheMolalityScale) {
    ui::Window& empirical = enter(0, 2, {"2", "1"});
    enter(1, 0, {"60", "40"});
    open(0);
    EXPECT_EQ(entries(empirical), QStringLiteral(" -   - "));
    EXPECT_EQ(calctest::texts(empirical, kColumnOf[0]), QStringList({"60", "40"}));
    type(empirical, "dataEntry1", "2");
    EXPECT_EQ(entries(empirical), QStringLiteral("2 0"));
    EXPECT_EQ(calctest::texts(empirical, kColumnOf[2]), QStringList({"2", "0"}));
    // An undefined molality typed in the window is still what the next edit converts with.
    type(empirical, "dataEntry1", "-100");
    type(empirical, "dataEntry2", "1");
    EXPECT_EQ(entries(empirical), QStringLiteral("-100 1"));
    EXPECT_EQ(calctest::texts(empirical, {"massNaCl", "molNaCl"}), QStringList({" - ", " - "}));
}

} // namespace
