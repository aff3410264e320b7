// The window pattern on a small window of its own: creation from the table,
// lookup by name, radio groups, events raised by users and by code, Return,
// and what happens to a handler that looks up a name that is not there.
#include "support/GuiTest.h"

#include "ui/Window.h"

#include <QApplication>
#include <QTest>

namespace {

using enum ui::Kind;
using testsupport::ExpectWarnings;
using testsupport::GuiTest;

class Probe : public ui::Window {
public:
    Probe();

    void go_Action() { log << "go"; }
    void entry_TextChange() { log << "entry:" + field("entry").text(); }
    void a1_Action() { log << "a1"; }
    void a2_Action() { log << "a2"; }
    void b1_Action() { log << "b1"; }
    void box_Action() { log << QStringLiteral("box:%1").arg(checkBox("box").value()); }
    void bar_ValueChanged() { log << QStringLiteral("bar:%1").arg(scrollBar("bar").value()); }
    void broken_Action() {
        label("Result").setText(QStringLiteral("written"));
        label("NoSuchLabel").setText(QStringLiteral("never"));
        label("Result").setText(QStringLiteral("not reached"));
    }
    void Event_Activate() { log << "activate"; }

    QStringList log;
};

// clang-format off
const ui::Control kControls[] = {
    // name       kind         text      left top  width height  other
    {"go",        PushButton,  "go",      10,  10,  80,  25, {.isDefault = true}},
    {"other",     PushButton,  "other",  100,  10,  80,  25, {.isDefault = true}},
    {"Group",     GroupBox,    "Group",   10,  50, 200, 100, {.textSize = 16, .italic = true}},
    {"a1",        RadioButton, "a1",      20,  80, 100,  20, {.in = "Group"}},
    {"a2",        RadioButton, "a2",      20, 110, 100,  20, {.in = "Group"}},
    {"Frame",     Rectangle,   nullptr,  220,  50, 150, 100},
    {"b1",        RadioButton, "b1",     230,  60, 100,  20, {.in = "Frame", .value = true}},
    {"b2",        RadioButton, "b2",     230,  90, 100,  20, {.in = "Frame"}},
    {"Result",    StaticText,  "start",  230, 120, 120,  20, {.in = "Frame", .textSize = 14, .underline = true}},
    {"entry",     EditField,   nullptr,   10, 170, 100,  20, {.textSize = 14}},
    {"box",       CheckBox,    "box",    120, 170, 100,  20},
    {"Head",      StaticText,  "mass %",  10, 200,  60,  20, {.index = 0}},
    {"Head",      StaticText,  "as %",    80, 200,  60,  20, {.index = 1}},
    {"Line1",     Line,        nullptr,   10, 230, 300, 230},
    {"Line2",     Line,        nullptr,  380,  10, 380, 200, {.borderWidth = 2}},
    {"bar",       ScrollBar,   nullptr,  385,  10,  15, 200, {.maximum = 50, .pageStep = 10}},
    {"broken",    PushButton,  "broken", 200,  10,  80,  25},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Probe, go, Action),        UI_BIND(Probe, entry, TextChange), UI_BIND(Probe, a1, Action),
    UI_BIND(Probe, a2, Action),        UI_BIND(Probe, b1, Action),        UI_BIND(Probe, box, Action),
    UI_BIND(Probe, bar, ValueChanged), UI_BIND(Probe, broken, Action),    UI_BIND_WINDOW(Probe, Activate),
};

const ui::WindowProperties kWindow{"Probe", "Probe window", 420, 260};

Probe::Probe() : ui::Window(kWindow) {
    build(kControls, kBindings);
}

class WindowPattern : public GuiTest {
protected:
    Probe& probe() {
        Probe* p = ui::implicitInstance<Probe>();
        testsupport::processEvents();
        p->log.clear();
        return *p;
    }
};

TEST_F(WindowPattern, OneInstanceNamedAfterItsClass) {
    Probe& w = probe();
    EXPECT_EQ(&w, ui::implicitInstance<Probe>());
    EXPECT_EQ(w.objectName(), "Probe");
    EXPECT_EQ(w.windowTitle(), "Probe window");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.content().size(), QSize(420, 260));
    EXPECT_EQ(testsupport::openCount("Probe"), 1);
    w.field("entry").setText("-22.9");
    w.label("Result").setText("0.1234567");
    testsupport::saveScreenshot(w, "Probe");
}

TEST_F(WindowPattern, ControlsAreCreatedInTableOrderWithTheirNames) {
    Probe& w = probe();
    ASSERT_EQ(w.controls().size(), std::size(kControls));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        EXPECT_EQ(w.controls()[i]->objectName(), kControls[i].name);
        EXPECT_EQ(ui::indexOf(*w.controls()[i]), kControls[i].style.index);
    }
    EXPECT_EQ(ui::indexOf(w.label("Result")), std::numeric_limits<int>::min());
}

TEST_F(WindowPattern, PlacesAreWindowCoordinatesAlsoInsideAContainer) {
    Probe& w = probe();
    EXPECT_EQ(w.radio("a1").parentWidget(), &w.groupBox("Group"));
    EXPECT_EQ(w.label("Result").parentWidget(), &w.rectangle("Frame"));
    for (const char* name : {"a1", "a2", "b1", "Result", "entry", "go"}) {
        SCOPED_TRACE(name);
        const auto row = std::find_if(std::begin(kControls), std::end(kControls),
                                      [&](const ui::Control& c) { return QLatin1String(c.name) == name; });
        QWidget* c = w.find(name);
        EXPECT_EQ(c->mapTo(&w.content(), QPoint(0, 0)), QPoint(row->left, row->top));
        EXPECT_EQ(c->size(), QSize(row->width, row->height));
    }
    EXPECT_EQ(w.line("Line1").from(), QPoint(10, 230));
    EXPECT_EQ(w.line("Line1").to(), QPoint(300, 230));
    EXPECT_EQ(w.line("Line2").geometry(), QRect(380, 10, 2, 190));
}

TEST_F(WindowPattern, FontsFollowTheRow) {
    Probe& w = probe();
    const QFont group = w.groupBox("Group").font();
    EXPECT_EQ(group.pixelSize(), 16);
    EXPECT_TRUE(group.italic());
    const QFont result = w.label("Result").font();
    EXPECT_EQ(result.pixelSize(), 14);
    EXPECT_TRUE(result.underline());
    EXPECT_FALSE(result.bold());
    EXPECT_EQ(result.family(), ui::systemFontFamily());
    EXPECT_EQ(w.button("go").font().pixelSize(), 12); // the default size
}

TEST_F(WindowPattern, ArrayElementsAreFoundByNameAndIndex) {
    Probe& w = probe();
    EXPECT_EQ(w.label("Head", 0).text(), "mass %");
    EXPECT_EQ(w.label("Head", 1).text(), "as %");
    EXPECT_EQ(w.find("Head"), nullptr);
    EXPECT_EQ(w.find("Head", 2), nullptr);
    EXPECT_THROW(w.label("Head"), ui::NilObjectException);
}

TEST_F(WindowPattern, LookupOfAMissingNameOrAnotherClassRaises) {
    Probe& w = probe();
    EXPECT_THROW(w.label("NoSuchLabel"), ui::NilObjectException);
    EXPECT_THROW(w.label("entry"), ui::NilObjectException);
    EXPECT_THROW(w.radio("box"), ui::NilObjectException);
    EXPECT_NO_THROW(w.field("entry"));
}

TEST_F(WindowPattern, AHandlerStopsAtAMissingNameAndTheWindowGoesOn) {
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

TEST_F(WindowPattern, ARadioGroupStartsAsTheTableSaysAndMayHaveNoneChosen) {
    Probe& w = probe();
    EXPECT_FALSE(w.radio("a1").value());
    EXPECT_FALSE(w.radio("a2").value());
    EXPECT_TRUE(w.radio("b1").value());
    EXPECT_FALSE(w.radio("b2").value());
}

TEST_F(WindowPattern, ChoosingARadioClearsOnlyItsOwnGroup) {
    Probe& w = probe();
    testsupport::click(w.radio("a1"));
    EXPECT_TRUE(w.radio("a1").value());
    EXPECT_TRUE(w.radio("b1").value());
    testsupport::click(w.radio("a2"));
    EXPECT_FALSE(w.radio("a1").value());
    EXPECT_TRUE(w.radio("a2").value());
    EXPECT_TRUE(w.radio("b1").value());
    testsupport::click(w.radio("b2"));
    EXPECT_FALSE(w.radio("b1").value());
    EXPECT_TRUE(w.radio("a2").value());
    EXPECT_EQ(w.log, QStringList({"a1", "a2"})); // b2 has no handler
}

TEST_F(WindowPattern, ClickingTheChosenRadioChangesNothing) {
    Probe& w = probe();
    testsupport::click(w.radio("a1"));
    testsupport::click(w.radio("a1"));
    EXPECT_TRUE(w.radio("a1").value());
    EXPECT_EQ(w.log, QStringList({"a1"}));
}

TEST_F(WindowPattern, CodeMayChooseAndClearRadios) {
    Probe& w = probe();
    w.radio("a2").setValue(true); // raises the Action, as a click does
    EXPECT_EQ(w.log, QStringList({"a2"}));
    w.radio("a1").setValue(true);
    EXPECT_FALSE(w.radio("a2").value());
    w.radio("a1").setValue(false); // a cleared radio raises nothing
    EXPECT_FALSE(w.radio("a1").value());
    EXPECT_FALSE(w.radio("a2").value());
    EXPECT_EQ(w.log, QStringList({"a2", "a1"}));
}

TEST_F(WindowPattern, ACheckBoxRaisesItsActionOnEveryChange) {
    Probe& w = probe();
    testsupport::click(w.checkBox("box"));
    w.checkBox("box").setValue(false);
    w.checkBox("box").setValue(false);
    EXPECT_EQ(w.log, QStringList({"box:1", "box:0"}));
}

TEST_F(WindowPattern, TextChangeComesFromTypingAndFromCode) {
    Probe& w = probe();
    testsupport::typeInto(w.field("entry"), "12");
    w.field("entry").setText("7");
    w.field("entry").setText("7"); // no change, no event
    w.field("entry").clear();
    EXPECT_EQ(w.log, QStringList({"entry:1", "entry:12", "entry:7", "entry:"}));
}

TEST_F(WindowPattern, ReturnPressesTheFirstDefaultButton) {
    Probe& w = probe();
    QTest::keyClick(&w.field("entry"), Qt::Key_Return);
    QTest::keyClick(&w.radio("a1"), Qt::Key_Enter);
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(w.log, QStringList({"go", "go", "go"}));
    EXPECT_EQ(w.defaultButton(), &w.button("go"));
}

TEST_F(WindowPattern, TheScrollBarReportsItsValue) {
    Probe& w = probe();
    EXPECT_EQ(w.scrollBar("bar").orientation(), Qt::Vertical);
    EXPECT_EQ(w.scrollBar("bar").maximum(), 50);
    w.scrollBar("bar").setValue(20);
    EXPECT_EQ(w.log, QStringList({"bar:20"}));
}

TEST_F(WindowPattern, LabelsKeepTheirCreatedLook) {
    Probe& w = probe();
    ui::StaticText& result = w.label("Result");
    result.setTextColor(ui::kRed);
    result.setTextSize(11);
    EXPECT_EQ(result.textColor(), ui::kRed);
    EXPECT_EQ(result.textSize(), 11);
    result.restoreCreatedStyle();
    EXPECT_EQ(result.textColor(), ui::kBlack);
    EXPECT_EQ(result.textSize(), 14);
}

TEST_F(WindowPattern, AClosedWindowIsGoneAndComesBackFresh) {
    Probe& first = probe();
    first.label("Result").setText("changed");
    first.close();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::openCount("Probe"), 0);
    Probe& second = probe();
    EXPECT_EQ(second.label("Result").text(), "start");
    EXPECT_TRUE(second.isVisible());
}

// A handler that tries to close its own window, as a user's click on the close
// box could during a long calculation that yields to the event loop.
class Closer : public ui::Window {
public:
    Closer() : ui::Window(kProperties) { build(kTable, kWiring); }
    void close_Action() { closedInHandler = close(); }
    bool closedInHandler = true;

    static constexpr ui::WindowProperties kProperties{"Closer", "Closer", 100, 50};
    static constexpr ui::Control kTable[] = {{"close", PushButton, "close", 10, 10, 80, 25}};
    static constexpr ui::Binding kWiring[] = {UI_BIND(Closer, close, Action)};
};

TEST_F(GuiTest, NoWindowClosesWhileAHandlerRuns) {
    Closer* w = ui::implicitInstance<Closer>();
    w->button("close").click();
    EXPECT_FALSE(w->closedInHandler);
    testsupport::processEvents();
    EXPECT_EQ(testsupport::openCount("Closer"), 1);
    EXPECT_TRUE(w->close());
}

TEST_F(WindowPattern, TheActivateEventReachesItsHandler) {
    Probe& w = probe();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.log, QStringList({"activate"}));
}

// Faults in a table are reported when the window is built.
class Faulty : public ui::Window {
public:
    Faulty() : ui::Window(kProperties) { build(kTable, kWiring); }
    void label_Action() {}
    void field_Action() {}

    static constexpr ui::WindowProperties kProperties{"Faulty", "Faulty", 200, 100};
    static constexpr ui::Control kTable[] = {
        {"label", StaticText, "label", 10, 10, 80, 20, {.in = "Later"}},
        {"Box", GroupBox, "", 10, 40, 100, 40},
        {"field", EditField, nullptr, 20, 50, 150, 20, {.in = "Box"}},
    };
    static constexpr ui::Binding kWiring[] = {UI_BIND(Faulty, label, Action), UI_BIND(Faulty, field, Action)};
};

TEST_F(GuiTest, FaultsInATableAreReported) {
    ExpectWarnings warnings;
    ui::implicitInstance<Faulty>();
    const QString all = warnings.messages().join('\n');
    EXPECT_TRUE(all.contains("Faulty.label: container Later is not created before it")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.field lies partly outside its container Box")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.label_Action: no control label raises Action")) << all.toStdString();
    EXPECT_TRUE(all.contains("Faulty.field_Action: no control field raises Action")) << all.toStdString();
}

} // namespace
