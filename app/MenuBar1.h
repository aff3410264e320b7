// The program's one menu bar: File with Quit, Edit with the standard editing
// items. Every window shows it; its items act through Qt alone: Quit ends the
// event loop, the Edit items act on the edit field that has the focus.
#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

class MenuBar1 {
public:
    MenuBar1();
    ~MenuBar1();
    MenuBar1(const MenuBar1&) = delete;
    MenuBar1& operator=(const MenuBar1&) = delete;

    // A menu bar widget for one window, showing the shared menus.
    QMenuBar* createMenuBar() const;

    // A menu item by name ("FileMenu", "FileQuit", "EditUndo" ...); nullptr
    // when there is none.
    QAction* item(const QString& name) const;
    QMenu* fileMenu() const { return file_; }
    QMenu* editMenu() const { return edit_; }

private:
    void Untitled0(); // the File menu
    void Untitled1(); // the Edit menu
    void refreshEditItems();

    QMenu* file_ = nullptr;
    QMenu* edit_ = nullptr;
};

// The single instance, built on the first request.
MenuBar1* MenuBar1();
// Releases the instance at shutdown.
void releaseMenuBar1();
