#include "GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFontMetrics>
#include <QRawFont>
#include <QTest>

#include <algorithm>

namespace testsupport {

static int expecting = 0;
static QStringList collected;

static void onMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The offscreen platform cannot raise or activate windows and says so;
    // that is no fault of the program.
    if (type == QtDebugMsg || type == QtInfoMsg ||
        message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (expecting > 0)
        collected << message;
    else
        ADD_FAILURE() << "Qt message: " << message.toStdString();
}

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
    return std::ranges::any_of(QApplication::topLevelWidgets(), [&](QWidget* w) {
        return w->objectName() == QLatin1String(className) && w->isVisible();
    });
}

int openCount(const char* className) {
    return int(std::ranges::count_if(QApplication::topLevelWidgets(), [&](QWidget* w) {
        return w->objectName() == QLatin1String(className);
    }));
}

QStringList clippedTexts(const ui::Window& window) {
    QStringList clipped;
    for (QWidget* c : window.controls()) {
        auto* shown = dynamic_cast<ui::StaticText*>(c);
        const QFontMetrics fm(shown ? shown->shownFont() : c->font());
        QString text;
        QSize need(0, 0);
        if (auto* label = dynamic_cast<ui::StaticText*>(c)) {
            text = label->text();
            while (text.endsWith(QLatin1Char('\n'))) // trailing empty lines show nothing
                text.chop(1);
            if (label->wordWrap()) {
                need = fm.boundingRect(QRect(0, 0, label->width(), 100000),
                                       int(Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop), text)
                           .size();
            } else {
                for (const QString& line : text.split(QLatin1Char('\n')))
                    need.setWidth(std::max(need.width(), fm.horizontalAdvance(line)));
                need.setHeight(fm.height() * int(text.count(QLatin1Char('\n')) + 1));
            }
        } else if (auto* button = dynamic_cast<QAbstractButton*>(c)) {
            // Radio buttons and check boxes need their indicator beside the
            // text; push buttons a small margin.
            text = button->text();
            need = {fm.horizontalAdvance(text) + (dynamic_cast<ui::PushButton*>(c) ? 6 : 20), fm.height()};
        } else if (auto* group = dynamic_cast<ui::GroupBox*>(c)) {
            text = group->title();
            need = {fm.horizontalAdvance(text) + 12, fm.height()};
        }
        auto size = [](QSize s) { return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()); };
        if (!text.isEmpty() && (need.width() > c->width() || need.height() > c->height()))
            clipped << QStringLiteral("%1 \"%2\": needs %3, has %4")
                           .arg(c->objectName(), text, size(need), size(c->size()));
    }
    return clipped;
}

bool isCarriedFont(const QFont& font) {
    // The head table holds the font's revision, dates and the checksum of
    // the whole file: it tells one font file from another, and two versions
    // of one font apart.
    static const QList<QByteArray> carried = [] {
        QList<QByteArray> heads;
        for (QDirIterator files(QStringLiteral(":/fonts")); files.hasNext();) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly)) heads << QRawFont(file.readAll(), 12).fontTable("head");
        }
        return heads;
    }();
    const QByteArray head = QRawFont::fromFont(font).fontTable("head");
    return !head.isEmpty() && carried.contains(head);
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
