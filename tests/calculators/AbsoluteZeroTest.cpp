// At and below absolute zero the equations still give numbers (solids, liquids,
// the consolute message); the solvus and cotectic windows show "out of range".
#include "CalculatorTestKit.h"
#include "support/GuiTest.h"
#include "support/Windows.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Typed in degC: absolute zero, just below it, where the solvus model answered
// with the consolute message, far below, and minus infinity.
const char* const kBelowZeroC[] = {"-273.15", "-273.16", "-280", "-300", "-1e6", "-1e999"};

// The names of the result labels that show something, sorted; ResultKelvin
// shows the typed temperature back.
QStringList shownResults(const ui::Window& w) {
    QStringList shown;
    for (QWidget* c : w.controls()) {
        const auto* label = dynamic_cast<ui::StaticText*>(c);
        const QString name = c->objectName();
        if (label && !label->text().isEmpty() && name != "ResultKelvin" &&
            (name.startsWith("Result") || name.startsWith("solid")))
            shown << name;
    }
    shown.sort();
    return shown;
}

using AbsoluteZero = testsupport::GuiTest;

TEST_F(AbsoluteZero, EachSolvusAndCotecticWindowIsOutOfRange) {
    const struct {
        std::string_view window;
        const char* button;
        std::vector<const char*> pressuresOrLines;
        QStringList outOfRange; // sorted
    } kWindows[] = {
        {"EmpiricalSolvus", "calculate", {nullptr}, {"Result1N"}},
        {"Solvus", "calculate", {"0.1", "200"}, {"Result1N"}},
        {"EmpiricalCotectic",
         "calculate",
         {"IHH", "ISL", "HHS", "HHH", "HS"},
         {"ResultNaCl", "ResultNaCla", "ResultNaClsol1", "ResultNaClsol2"}},
        {"Cotectic", "calculate1", {"0.1", "200"}, {"ResultNaCl", "ResultNaClsol1", "ResultNaClsol2"}},
    };
    for (const auto& k : kWindows) {
        const auto entry = std::ranges::find(testsupport::allWindows(), k.window,
                                             [](const auto& e) { return std::string_view(e.className); });
        ASSERT_NE(entry, testsupport::allWindows().end()) << k.window;
        ui::Window& w = *entry->open();
        for (const char* setting : k.pressuresOrLines) {
            if (setting && w.find(setting))
                testsupport::click(w.radio(setting));
            else if (setting)
                w.field("dataEntry2").setText(setting);
            for (const char* t : kBelowZeroC) {
                SCOPED_TRACE(testing::Message()
                             << w.objectName().toStdString() << " " << setting << " " << t);
                // First above the consolute point or crest: results in red, small.
                w.field("dataEntry1").setText("900");
                testsupport::click(w.button(k.button));
                w.field("dataEntry1").setText(t);
                testsupport::click(w.button(k.button));
                EXPECT_EQ(shownResults(w), k.outOfRange);
                EXPECT_EQ(calctest::texts(w, k.outOfRange), QStringList(k.outOfRange.size(), "out of range"));
                for (const QString& name : k.outOfRange)
                    EXPECT_EQ(calctest::look(w, name), std::pair(ui::kBlack, 14)) << name.toStdString();
            }
        }
    }
}

} // namespace
