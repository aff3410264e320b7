// The menu bar: File with Quit, Edit with the editing items acting on the
// field that has the focus.
#include "support/GuiTest.h"

#include "app/MenuBar1.h"
#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/thermodynamic/Solvus.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

using testsupport::GuiTest;

TEST_F(GuiTest, EveryWindowShowsTheSameMenusWithTheirItems) {
    Start1()->button("continue1").click();
    for (ui::Window* w : {static_cast<ui::Window*>(Start1()), static_cast<ui::Window*>(Start2())}) {
        auto* bar = w->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->actions().size(), 2);
        EXPECT_EQ(bar->actions()[0]->menu(), MenuBar1()->fileMenu());
        EXPECT_EQ(bar->actions()[1]->menu(), MenuBar1()->editMenu());
        EXPECT_EQ(w->content().height() + bar->sizeHint().height(), w->height()); // content below the bar
    }
    QStringList items;
    for (QAction* a : MenuBar1()->fileMenu()->actions() + MenuBar1()->editMenu()->actions())
        items << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(items, QStringList({"&Quit Ctrl+Q", "&Undo Ctrl+Z", " ", "Cu&t Ctrl+X", "&Copy Ctrl+C",
                                  "&Paste Ctrl+V", "&Delete ", " ", "Select &All Ctrl+A"}));
}

// Whether the event loop ends with success once it runs the action.
bool endsTheEventLoop(void (*action)()) {
    QObject guard; // takes its timers with it
    bool timedOut = false;
    QTimer::singleShot(0, &guard, action);
    QTimer::singleShot(5000, &guard, [&] { timedOut = true, QCoreApplication::exit(1); });
    return QApplication::exec() == 0 && !timedOut;
}

TEST_F(GuiTest, QuitAndCtrlQEndTheEventLoopWithWindowsOpen) {
    Start1()->button("continue1").click();
    Start2()->button("PushButton1").click();
    EXPECT_TRUE(endsTheEventLoop([] { MenuBar1()->item("FileQuit")->trigger(); }));
    QApplication::setActiveWindow(Start2());
    EXPECT_TRUE(endsTheEventLoop([] { QTest::keyClick(Start2(), Qt::Key_Q, Qt::ControlModifier); }));
}

TEST_F(GuiTest, EditItemsActOnTheFocusedFieldOnly) {
    auto trigger = [](const char* name) { MenuBar1()->item(name)->trigger(); };
    // Without a focused field they do nothing.
    QApplication::setActiveWindow(Start1());
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        trigger(name);
    ui::Window* w = Solvus();
    w->Show();
    QApplication::setActiveWindow(w);
    auto* field = new ui::EditField(&w->content());
    field->setGeometry(10, 10, 100, 20);
    field->show();
    field->setText("12.5");
    field->setFocus();
    testsupport::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), field);
    trigger("EditSelectAll");
    trigger("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
    trigger("EditClear");
    EXPECT_EQ(field->text(), "");
    trigger("EditPaste");
    trigger("EditPaste");
    EXPECT_EQ(field->text(), "12.512.5");
    trigger("EditUndo");
    EXPECT_NE(field->text(), "12.512.5");
    trigger("EditSelectAll");
    trigger("EditCut");
    EXPECT_EQ(field->text(), "");
}

} // namespace
