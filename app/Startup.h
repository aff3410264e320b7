// The program's life cycle, apart from the event loop itself, so that tests can
// start and stop the program as main() does.
#pragma once

#include <QApplication>

#include <exception>

// The application object. It adds nothing to QApplication.
class App : public QApplication {
public:
    using QApplication::QApplication;
};

namespace brinolith {

// Everything before the event loop, once the application object exists: the
// composition arrays start at zero, the equations yield to the windows, the
// menu bar is built and installed, and the start window is built and shown.
void startUp();

// Everything after the event loop: the pictures, every open window, the menu
// bar and the composition arrays are released, in this order.
void shutDown();

// Reports an exception that escaped start-up or the event loop.
void reportUnhandledException(const std::exception& e);

} // namespace brinolith
