// The window pattern on a small window of its own: creation from the table,
// lookup by name, radio groups, events raised by users and by code, Return,
// and what happens to a handler that looks up a name that is not there.
#include "support/GuiTest.h"

#include "ui/Window.h"

#include <QApplication>
#include <QTest>

#include <tuple>

namespace {

using enum ui::Kind;
using testsupport::click;
using testsupport::ExpectWarnings;
using testsupport::GuiTest;

class Probe : public ui::Window {
public:
    Probe();

    void go_Action() { log << "go"; }
    void entry_TextChange() { log << "entry:" + field("entry").text(); }
    void a1_Action() { log << "a1"; }
    void a2_Action() { log << "a2"; }
    void box_Action() { log << QStringLiteral("box:%1").arg(checkBox("box").value()); }
    void broken_Action() {
        label("Result").setText(QStringLiteral("written"));
        label("NoSuchLabel").setText(QStringLiteral("never"));
        label("Result").setText(QStringLiteral("not reached"));
    }
    void close_Action() { closedInHandler = close(); }
    void Event_Activate() { log << "activate"; }

    QStringList log;
    bool closedInHandler = true;
};

// clang-format off
const ui::Control kControls[] = {
    // name       kind         text      left top  width height  other
    {"go",        PushButton,  "go",      10,  10,  80,  25, {.isDefault = true}},
    {"other",     PushButton,  "other",  100,  10,  80,  25},
    {"Group",     GroupBox,    "Group",   10,  50, 200, 100, {.textSize = 16, .italic = true}},
    {"a1",        RadioButton, "a1",      20,  80, 100,  20, {.in = "Group"}},
    {"a2",        RadioButton, "a2",      20, 110, 100,  20, {.in = "Group"}},
    {"Frame",     Rectangle,   nullptr,  220,  50, 150, 100},
    {"b1",        RadioButton, "b1",     230,  60, 100,  20, {.in = "Frame", .value = true}},
    {"b2",        RadioButton, "b2",     230,  90, 100,  20, {.in = "Frame"}},
    {"Result",    StaticText,  "start",  230, 120, 120,  20, {.in = "Frame", .textSize = 14}},
    {"entry",     EditField,   nullptr,   10, 170, 100,  20},
    {"box",       CheckBox,    "box",    120, 170, 100,  20},
    {"Head",      StaticText,  "mass %",  10, 200,  60,  20, {.index = 0}},
    {"Head",      StaticText,  "as %",    80, 200,  60,  20, {.index = 1}},
    {"Line1",     Line,        nullptr,   10, 230, 300, 230},
    {"broken",    PushButton,  "broken", 200,  10,  80,  25},
    {"close",     PushButton,  "close",  300,  10,  80,  25},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Probe, go, Action),    UI_BIND(Probe, entry, TextChange), UI_BIND(Probe, a1, Action),
    UI_BIND(Probe, a2, Action),    UI_BIND(Probe, box, Action),       UI_BIND(Probe, broken, Action),
    UI_BIND(Probe, close, Action), UI_BIND_WINDOW(Probe, Activate),
};

Probe::Probe() : ui::Window({"Probe", "Probe window", 420, 260}) {
    build(kControls, kBindings);
}

Probe& probe() {
    Probe* p = ui::implicitInstance<Probe>();
    testsupport::processEvents();
    p->log.clear();
    return *p;
}

TEST_F(GuiTest, ControlsComeFromTheTableAndAreFoundByName) {
    Probe& w = probe();
    ASSERT_EQ(w.controls().size(), std::size(kControls));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const ui::Control& row = kControls[i];
        QWidget* c = w.controls()[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(c->objectName(), row.name);
        if (row.kind == Line) continue; // its row holds its end points
        EXPECT_EQ(QRect(c->mapTo(&w.content(), QPoint(0, 0)), c->size()),
                  QRect(row.left, row.top, row.width, row.height));
    }
    EXPECT_EQ(w.label("Result").parentWidget(), &w.rectangle("Frame"));
    EXPECT_EQ(w.line("Line1").to(), QPoint(300, 230));
    EXPECT_TRUE(w.groupBox("Group").font().italic());
    EXPECT_EQ(w.label("Result").font().pixelSize(), 14);
    EXPECT_EQ(w.label("Result").font().family(), ui::systemFontFamily());
    // Lookup by name and index.
    EXPECT_EQ(w.label("Head", 1).text(), "as %");
    EXPECT_EQ(ui::indexOf(w.label("Head", 0)), 0);
    EXPECT_EQ(w.find("Head"), nullptr);
    EXPECT_THROW(w.label("Head"), ui::NilObjectException);
    EXPECT_THROW(w.label("NoSuchLabel"), ui::NilObjectException);
    EXPECT_THROW(w.label("entry"), ui::NilObjectException); // another class
}

TEST_F(GuiTest, AHandlerStopsAtAMissingNameAndTheWindowGoesOn) {
    Probe& w = probe();
    ExpectWarnings warnings;
    w.button("broken").click();
    EXPECT_EQ(w.label("Result").text(), "written");
    ASSERT_EQ(warnings.messages().size(), 1);
    EXPECT_TRUE(warnings.messages().front().contains("Probe.broken_Action"));
    EXPECT_TRUE(warnings.messages().front().contains("NoSuchLabel"));
    EXPECT_FALSE(ui::Window::handlerRunning());
    w.button("go").click();
    EXPECT_EQ(w.log, QStringList({"go"}));
}

TEST_F(GuiTest, RadioGroupsAndCheckBoxes) {
    Probe& w = probe();
    EXPECT_FALSE(w.radio("a1").value() || w.radio("a2").value()); // a group may have none chosen
    EXPECT_TRUE(w.radio("b1").value());
    click(w.radio("a1"));
    click(w.radio("a1")); // the chosen one again: nothing
    click(w.radio("a2"));
    EXPECT_FALSE(w.radio("a1").value());
    EXPECT_TRUE(w.radio("b1").value()); // only its own group is cleared
    click(w.radio("b2"));
    EXPECT_FALSE(w.radio("b1").value());
    w.radio("a1").setValue(true);  // code raises the Action as a click does,
    w.radio("a1").setValue(false); // a cleared radio nothing
    EXPECT_FALSE(w.radio("a2").value());
    click(w.checkBox("box"));
    w.checkBox("box").setValue(false);
    w.checkBox("box").setValue(false);
    EXPECT_EQ(w.log, QStringList({"a1", "a2", "a1", "box:1", "box:0"}));
}

TEST_F(GuiTest, ArrowKeysMoveTheChoiceWithinItsGroupAndSpaceChooses) {
    Probe& w = probe();
    click(w.radio("a1"));
    // The key, the radio it is pressed on, then the radios on and the one with the
    // focus: round at either end, never into the next group.
    const std::tuple<Qt::Key, const char*, const char*> kSteps[] = {
        {Qt::Key_Down, "a1", "a2 b1 a2"}, {Qt::Key_Right, "a2", "a1 b1 a1"},
        {Qt::Key_Left, "a1", "a2 b1 a2"}, {Qt::Key_Up, "a2", "a1 b1 a1"},
        {Qt::Key_Up, "b1", "a1 b2 b2"},   {Qt::Key_Space, "b1", "a1 b1 b2"}};
    for (const auto& [key, on, expected] : kSteps) {
        QTest::keyClick(&w.radio(on), key);
        QStringList now;
        for (const char* r : {"a1", "a2", "b1", "b2"})
            if (w.radio(r).value()) now << r;
        EXPECT_EQ(now.join(" ") + " " + w.focusWidget()->objectName(), expected) << on;
    }
    // Each move raises the Action of the button it chooses.
    EXPECT_EQ(w.log, QStringList({"a1", "a2", "a1", "a2", "a1"}));
}

TEST_F(GuiTest, TextChangeReturnAndActivate) {
    Probe& w = probe();
    testsupport::typeInto(w.field("entry"), "12");
    w.field("entry").setText("7");
    w.field("entry").setText("7");                      // no change, no event
    QTest::keyClick(&w.field("entry"), Qt::Key_Return); // the first default button
    QTest::keyClick(&w.radio("a1"), Qt::Key_Enter);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.log, QStringList({"entry:1", "entry:12", "entry:7", "go", "go", "activate"}));
}

TEST_F(GuiTest, LabelsRestoreTheirLookAndAClosedWindowComesBackFresh) {
    Probe& first = probe();
    first.button("close").click();
    EXPECT_FALSE(first.closedInHandler);
    testsupport::processEvents();
    EXPECT_EQ(testsupport::openCount("Probe"), 1);
    first.label("Result").setText("changed");
    first.label("Result").setTextColor(ui::kRed);
    first.label("Result").restoreCreatedStyle();
    EXPECT_EQ(first.label("Result").textColor(), ui::kBlack);
    first.close();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::openCount("Probe"), 0);
    EXPECT_EQ(probe().label("Result").text(), "start");
}

// Faults in a table are reported when the window is built.
class Faulty : public ui::Window {
public:
    Faulty() : ui::Window({"Faulty", "Faulty", 200, 100}) { build(kTable, kWiring); }
    void label_Action() {}

    static constexpr ui::Control kTable[] = {
        {"label", StaticText, "label", 10, 10, 80, 20, {.in = "Later"}},
        {"Box", GroupBox, "", 10, 40, 100, 40},
        {"field", EditField, nullptr, 20, 50, 150, 20, {.in = "Box"}},
        {"first", PushButton, "first", 10, 80, 50, 20, {.isDefault = true}},
        {"second", PushButton, "second", 70, 80, 50, 20, {.isDefault = true}},
    };
    static constexpr ui::Binding kWiring[] = {UI_BIND(Faulty, label, Action)};
};

TEST_F(GuiTest, FaultsInATableAreReported) {
    ExpectWarnings warnings;
    ui::implicitInstance<Faulty>();
    const QString all = warnings.messages().join('\n');
    EXPECT_TRUE(all.contains("Faulty.label: container Later is not created before it")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.field lies partly outside its container Box")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.label_Action: no control label raises Action")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.second: a second default button; Return presses first"))
        << all.toStdString();
    Faulty& w = *ui::implicitInstance<Faulty>();
    EXPECT_TRUE(w.button("first").isDefault());
    EXPECT_FALSE(w.button("second").isDefault()); // it does not look like what Return presses
}

} // namespace
