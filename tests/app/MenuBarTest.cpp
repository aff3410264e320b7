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

struct ItemCase {
    const char* menu;
    const char* name;
    const char* text;
    const char* shortcut;
    bool separator;
};

const ItemCase kItems[] = {
    {"FileMenu", "FileQuit", "&Quit", "Ctrl+Q", false},
    {"EditMenu", "EditUndo", "&Undo", "Ctrl+Z", false},
    {"EditMenu", "UntitledMenu1", "", "", true},
    {"EditMenu", "EditCut", "Cu&t", "Ctrl+X", false},
    {"EditMenu", "EditCopy", "&Copy", "Ctrl+C", false},
    {"EditMenu", "EditPaste", "&Paste", "Ctrl+V", false},
    {"EditMenu", "EditClear", "&Delete", "", false},
    {"EditMenu", "UntitledMenu0", "", "", true},
    {"EditMenu", "EditSelectAll", "Select &All", "Ctrl+A", false},
};

TEST_F(GuiTest, TheMenusHoldTheirItemsInOrder) {
    class MenuBar1* bar = MenuBar1();
    EXPECT_EQ(bar, MenuBar1());
    EXPECT_EQ(bar->item("FileMenu")->text(), "&File");
    EXPECT_EQ(bar->item("EditMenu")->text(), "&Edit");
    QList<QAction*> file = bar->fileMenu()->actions();
    QList<QAction*> edit = bar->editMenu()->actions();
    ASSERT_EQ(file.size(), 1);
    ASSERT_EQ(edit.size(), 8);
    for (std::size_t i = 0; i < std::size(kItems); ++i) {
        const ItemCase& c = kItems[i];
        SCOPED_TRACE(c.name);
        QAction* a = i == 0 ? file[0] : edit[qsizetype(i - 1)];
        EXPECT_EQ(a->objectName(), c.name);
        EXPECT_EQ(a, bar->item(c.name));
        EXPECT_EQ(a->isSeparator(), c.separator);
        EXPECT_EQ(a->text(), c.text);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut)));
    }
}

TEST_F(GuiTest, EveryWindowShowsTheSameMenus) {
    Start1()->button("continue1").click();
    for (ui::Window* w : {static_cast<ui::Window*>(Start1()), static_cast<ui::Window*>(Start2())}) {
        auto* bar = w->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->actions()[0]->menu(), MenuBar1()->fileMenu());
        EXPECT_EQ(bar->actions()[1]->menu(), MenuBar1()->editMenu());
    }
}

TEST_F(GuiTest, CtrlQQuitsFromAnyWindow) {
    Start1()->button("continue1").click();
    ui::Window* chooser = Start2();
    QApplication::setActiveWindow(chooser);
    bool timedOut = false;
    QTimer::singleShot(0, [chooser] { QTest::keyClick(chooser, Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}

class EditItems : public GuiTest {
protected:
    ui::EditField& focusedField(const QString& text) {
        ui::Window* w = Solvus();
        w->Show();
        QApplication::setActiveWindow(w);
        auto* field = new ui::EditField(&w->content());
        field->setGeometry(10, 10, 100, 20);
        field->show();
        field->setText(text);
        field->setFocus();
        testsupport::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), field);
        return *field;
    }
    void trigger(const char* name) { MenuBar1()->item(name)->trigger(); }
};

TEST_F(EditItems, SelectAllCopyDeletePasteUndo) {
    ui::EditField& field = focusedField("12.5");
    trigger("EditSelectAll");
    EXPECT_EQ(field.selectedText(), "12.5");
    trigger("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
    trigger("EditClear");
    EXPECT_EQ(field.text(), "");
    trigger("EditPaste");
    trigger("EditPaste");
    EXPECT_EQ(field.text(), "12.512.5");
    trigger("EditUndo");
    EXPECT_NE(field.text(), "12.512.5");
    trigger("EditSelectAll");
    trigger("EditCut");
    EXPECT_EQ(field.text(), "");
}

TEST_F(EditItems, TheEditMenuEnablesWhatTheFocusedFieldAllows) {
    ui::EditField& field = focusedField("abc");
    field.deselect();
    emit MenuBar1()->editMenu()->aboutToShow();
    EXPECT_FALSE(MenuBar1()->item("EditCopy")->isEnabled());
    EXPECT_FALSE(MenuBar1()->item("EditClear")->isEnabled());
    EXPECT_TRUE(MenuBar1()->item("EditSelectAll")->isEnabled());
    field.selectAll();
    emit MenuBar1()->editMenu()->aboutToShow();
    EXPECT_TRUE(MenuBar1()->item("EditCopy")->isEnabled());
    EXPECT_TRUE(MenuBar1()->item("EditCut")->isEnabled());
}

TEST_F(GuiTest, EditItemsWithoutAFocusedFieldDoNothing) {
    QApplication::setActiveWindow(Start1());
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        MenuBar1()->item(name)->trigger();
    emit MenuBar1()->editMenu()->aboutToShow();
    EXPECT_FALSE(MenuBar1()->item("EditPaste")->isEnabled());
    EXPECT_TRUE(testsupport::isShown("Start1"));
}

} // namespace
