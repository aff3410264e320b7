#include "MenuBar1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace {

std::unique_ptr<class MenuBar1>& implicitInstance() {
    static std::unique_ptr<class MenuBar1> instance;
    return instance;
}

QLineEdit* focusedField() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

QAction* addItem(QMenu* menu, const char* name, const char* text, const char* shortcut) {
    auto* action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setText(QString::fromUtf8(text));
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    menu->addAction(action);
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
}

} // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
}

MenuBar1::~MenuBar1() {
    delete file_;
    delete edit_;
}

void MenuBar1::Untitled0() {
    file_ = new QMenu(QStringLiteral("&File"));
    file_->setObjectName(QStringLiteral("FileMenu"));
    file_->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    QAction* quit = addItem(file_, "FileQuit", "&Quit", "Ctrl+Q");
    quit->setMenuRole(QAction::QuitRole);
    // Quit works from every window, also from one whose menu is not open.
    quit->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QAction::triggered, [] { QCoreApplication::quit(); });
}

void MenuBar1::Untitled1() {
    edit_ = new QMenu(QStringLiteral("&Edit"));
    edit_->setObjectName(QStringLiteral("EditMenu"));
    edit_->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    QAction* undo = addItem(edit_, "EditUndo", "&Undo", "Ctrl+Z");
    addSeparator(edit_, "UntitledMenu1");
    QAction* cut = addItem(edit_, "EditCut", "Cu&t", "Ctrl+X");
    QAction* copy = addItem(edit_, "EditCopy", "&Copy", "Ctrl+C");
    QAction* paste = addItem(edit_, "EditPaste", "&Paste", "Ctrl+V");
    QAction* clear = addItem(edit_, "EditClear", "&Delete", nullptr);
    addSeparator(edit_, "UntitledMenu0");
    QAction* selectAll = addItem(edit_, "EditSelectAll", "Select &All", "Ctrl+A");

    auto onField = [](auto edit) {
        return [edit] {
            if (QLineEdit* field = focusedField()) edit(*field);
        };
    };
    QObject::connect(undo, &QAction::triggered, onField([](QLineEdit& f) { f.undo(); }));
    QObject::connect(cut, &QAction::triggered, onField([](QLineEdit& f) { f.cut(); }));
    QObject::connect(copy, &QAction::triggered, onField([](QLineEdit& f) { f.copy(); }));
    QObject::connect(paste, &QAction::triggered, onField([](QLineEdit& f) { f.paste(); }));
    QObject::connect(clear, &QAction::triggered, onField([](QLineEdit& f) { f.del(); }));
    QObject::connect(selectAll, &QAction::triggered, onField([](QLineEdit& f) { f.selectAll(); }));
    QObject::connect(edit_, &QMenu::aboutToShow, [this] { refreshEditItems(); });
}

void MenuBar1::refreshEditItems() {
    const QLineEdit* field = focusedField();
    const bool selection = field && field->hasSelectedText();
    const QClipboard* clipboard = QApplication::clipboard();
    item(QStringLiteral("EditUndo"))->setEnabled(field && field->isUndoAvailable());
    item(QStringLiteral("EditCut"))->setEnabled(selection);
    item(QStringLiteral("EditCopy"))->setEnabled(selection);
    item(QStringLiteral("EditPaste"))->setEnabled(field && clipboard && !clipboard->text().isEmpty());
    item(QStringLiteral("EditClear"))->setEnabled(selection);
    item(QStringLiteral("EditSelectAll"))->setEnabled(field && !field->text().isEmpty());
}

QMenuBar* MenuBar1::createMenuBar() const {
    auto* bar = new QMenuBar;
    bar->setObjectName(QStringLiteral("MenuBar1"));
    bar->addMenu(file_);
    bar->addMenu(edit_);
    return bar;
}

QAction* MenuBar1::item(const QString& name) const {
    if (file_->menuAction()->objectName() == name) return file_->menuAction();
    if (edit_->menuAction()->objectName() == name) return edit_->menuAction();
    for (QMenu* menu : {file_, edit_}) {
        for (QAction* action : menu->actions())
            if (action->objectName() == name) return action;
    }
    return nullptr;
}

class MenuBar1* MenuBar1() {
    auto& instance = implicitInstance();
    if (!instance) instance = std::make_unique<class MenuBar1>();
    return instance.get();
}

void releaseMenuBar1() {
    implicitInstance().reset();
}
