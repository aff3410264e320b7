#include "GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>

namespace testsupport {

namespace {

int expecting = 0;
QStringList collected;

void onMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    // The offscreen platform cannot raise or activate windows and says so;
    // that is no fault of the program.
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (expecting > 0) {
        collected << message;
        return;
    }
    ADD_FAILURE() << "Qt message: " << message.toStdString();
}

} // namespace

ExpectWarnings::ExpectWarnings() {
    if (expecting++ == 0) collected.clear();
}

ExpectWarnings::~ExpectWarnings() {
    --expecting;
}

const QStringList& ExpectWarnings::messages() const {
    return collected;
}

void installMessageHandler() {
    qInstallMessageHandler(onMessage);
}

void GuiTest::SetUp() {
    brinolith::startUp();
    processEvents();
}

void GuiTest::TearDown() {
    brinolith::shutDown();
    processEvents();
}

void processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void typeInto(ui::EditField& field, const QString& text) {
    QTest::keyClicks(&field, text);
}

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(8, control.height() / 2));
}

bool isShown(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(className) && w->isVisible()) return true;
    return false;
}

int openCount(const char* className) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(className)) ++n;
    return n;
}

QStringList clippedTexts(const ui::Window& window) {
    QStringList clipped;
    for (QWidget* c : window.controls()) {
        const QFontMetrics fm(c->font());
        QString text;
        int needWidth = 0;
        int needHeight = 0;
        if (auto* label = dynamic_cast<ui::StaticText*>(c)) {
            text = label->text();
            // Trailing empty lines show nothing.
            while (text.endsWith(QLatin1Char('\n')))
                text.chop(1);
            if (text.isEmpty()) continue;
            if (label->wordWrap()) {
                const QRect r = fm.boundingRect(QRect(0, 0, label->width(), 100000),
                                                int(Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop), text);
                needWidth = r.width();
                needHeight = r.height();
            } else {
                for (const QString& line : text.split(QLatin1Char('\n')))
                    needWidth = std::max(needWidth, fm.horizontalAdvance(line));
                needHeight = fm.height() * int(text.count(QLatin1Char('\n')) + 1);
            }
        } else if (auto* button = dynamic_cast<QAbstractButton*>(c)) {
            text = button->text();
            if (text.isEmpty()) continue;
            // Radio buttons and check boxes need their indicator beside the
            // text; push buttons a small margin.
            const int indicator = dynamic_cast<ui::PushButton*>(c) ? 6 : 20;
            needWidth = fm.horizontalAdvance(text) + indicator;
            needHeight = fm.height();
        } else if (auto* group = dynamic_cast<ui::GroupBox*>(c)) {
            text = group->title();
            if (text.isEmpty()) continue;
            needWidth = fm.horizontalAdvance(text) + 12;
            needHeight = fm.height();
        } else {
            continue;
        }
        if (needWidth > c->width() || needHeight > c->height()) {
            clipped << QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
                           .arg(c->objectName(), text)
                           .arg(needWidth)
                           .arg(needHeight)
                           .arg(c->width())
                           .arg(c->height());
        }
    }
    return clipped;
}

QString screenshotPath(const QString& name) {
    QString dir = qEnvironmentVariable("BRINOLITH_SCREENSHOTS");
    if (dir.isEmpty()) dir = QDir::temp().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(dir);
    return QDir(dir).filePath(name + QStringLiteral(".png"));
}

QString saveScreenshot(QWidget& window, const QString& name) {
    const QString path = screenshotPath(name);
    window.grab().save(path);
    return path;
}

} // namespace testsupport
