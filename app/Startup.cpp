#include "Startup.h"

#include "MenuBar1.h"
#include "Start1.h"
#include "calculators/shared/Pictures.h"

#include "Globals.h"
#include "ui/Window.h"
#include "ui/YieldHook.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QStyleFactory>

#include <algorithm>

namespace brinolith {

namespace {

void clearCompositionArrays() {
    std::fill(std::begin(Globals::MASSnumber), std::end(Globals::MASSnumber), 0.0);
    std::fill(std::begin(Globals::ASnumber), std::end(Globals::ASnumber), 0.0);
    std::fill(std::begin(Globals::Mnumber), std::end(Globals::Mnumber), 0.0);
}

} // namespace

void startUp() {
    clearCompositionArrays();
    ui::installYieldHook();
    ui::loadFonts();

    // The windows are laid out to the pixel; one style everywhere keeps them
    // as laid out.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);

    class MenuBar1* menuBar = MenuBar1();
    ui::setMenuBarFactory([menuBar] { return menuBar->createMenuBar(); });

    // The start window shows itself: its property set makes it visible.
    Start1();
}

void shutDown() {
    pictures::releaseAll();
    for (ui::Window* window : ui::openWindows())
        delete window;
    ui::setMenuBarFactory(nullptr);
    releaseMenuBar1();
    ui::removeYieldHook();
    clearCompositionArrays();
}

void reportUnhandledException(const std::exception& e) {
    qCritical("Unhandled exception: %s", e.what());
    if (QApplication::instance())
        QMessageBox::critical(
            nullptr, QStringLiteral("Brinolith"),
            QStringLiteral("An unexpected error ended the program:\n%1").arg(QString::fromUtf8(e.what())));
}

} // namespace brinolith
