// What the GUI tests share: a fixture that starts and stops the program around
// each test, and helpers to drive and inspect windows as a user would.
#pragma once

#include "app/Startup.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

// Readable Qt strings in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace testsupport {

// Every Qt warning fails the running test, unless an ExpectWarnings object
// lives; it collects them instead.
class ExpectWarnings {
public:
    ExpectWarnings();
    ~ExpectWarnings();
    ExpectWarnings(const ExpectWarnings&) = delete;
    ExpectWarnings& operator=(const ExpectWarnings&) = delete;
    const QStringList& messages() const;
};

// Installs the message handler described above; called by the test main.
void installMessageHandler();

// Lets Qt deliver pending events (paint, show, deferred deletes).
void processEvents();

// Starts the program (everything but the event loop) before each test and
// shuts it down after, so that every test begins with only the start window.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        brinolith::startUp();
        processEvents();
    }
    void TearDown() override {
        brinolith::shutDown();
        processEvents();
    }
};

// Types text into an edit field key by key, as a user does.
void typeInto(ui::EditField& field, const QString& text);
// Clicks a control with the mouse near its left edge, half way down: on the
// indicator of a radio button or check box.
void click(QWidget& control);

// Whether a top-level window of this class name is open and visible.
bool isShown(const char* className);
// The number of open windows of this class name.
int openCount(const char* className);

// Texts that do not fit their control, in the font they are drawn in: one
// entry per control, naming it.
QStringList clippedTexts(const ui::Window& window);

// Whether text in this font is drawn from one of the font files that the
// program carries, and not from a font of the machine of the same name.
bool isCarriedFont(const QFont& font);

// Where pictures for a person to look at go: $BRINOLITH_SCREENSHOTS/<name>.png
// (default: a "screenshots" folder in the temporary directory).
QString screenshotPath(const QString& name);
// Saves the window as a user sees it there; returns the path.
QString saveScreenshot(QWidget& window, const QString& name);

} // namespace testsupport
