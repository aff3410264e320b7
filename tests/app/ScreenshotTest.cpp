// Every window is built without a Qt warning, with every text at its own size,
// in a font the program carries and inside its control (the widest numbers in
// its results too), is saved as a picture for a person to look at, and
// Return presses its one default-looking button wherever the focus is.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include <QFontInfo>
#include <QPushButton>
#include <QTest>

namespace {

using testsupport::GuiTest;

class EveryWindow : public GuiTest, public ::testing::WithParamInterface<testsupport::WindowEntry> {
protected:
    ui::Window& shown() {
        ui::Window* window = GetParam().open();
        window->Show();
        testsupport::processEvents();
        return *window;
    }
};

TEST_P(EveryWindow, BuildsCleanlyWithEveryTextInside) {
    ui::Window& window = shown();
    EXPECT_EQ(testsupport::clippedTexts(window), QStringList());
    for (auto* label : window.content().findChildren<ui::StaticText*>())
        EXPECT_EQ(label->shownFont().pixelSize(), label->textSize()) << label->objectName().toStdString();
    const QString name = QString::fromLatin1(GetParam().className);
    EXPECT_FALSE(window.grab().isNull()) << testsupport::saveScreenshot(window, name).toStdString();
    QList<ui::StaticText*> results; // result labels and table cells start empty
    for (QWidget* c : window.controls()) {
        if (auto* label = dynamic_cast<ui::StaticText*>(c); label && label->text().isEmpty())
            results << label;
        if (!dynamic_cast<QLabel*>(c) && !dynamic_cast<QAbstractButton*>(c) && !dynamic_cast<QGroupBox*>(c) &&
            !dynamic_cast<QLineEdit*>(c))
            continue;
        const QFontInfo drawn(c->font());
        EXPECT_TRUE(testsupport::isCarriedFont(c->font()) &&
                    drawn.family().startsWith(c->font().family().section(QLatin1String(" ["), 0, 0)))
            << c->objectName().toStdString() << " is drawn in " << drawn.family().toStdString() << " "
            << drawn.styleName().toStdString();
    }
    // The widest texts that Str writes: a minus sign, seven digits, an exponent.
    for (const char* widest : {"-0.0003081536", "-2.415861e-05", "-1.234567e+300"}) {
        for (ui::StaticText* label : results)
            label->setText(QString::fromLatin1(widest));
        EXPECT_EQ(testsupport::clippedTexts(window), QStringList()) << widest;
    }
    testsupport::saveScreenshot(window, name + QStringLiteral("-widest"));
}

TEST_P(EveryWindow, ReturnPressesTheOneDefaultLookingButtonWhereverTheFocusIs) {
    ui::Window& window = shown();
    QStringList looksDefault, pressed;
    const QObject scope; // ends the connections with the test
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->isDefault() || b->autoDefault()) looksDefault << b->objectName();
        QObject::connect(b, &QPushButton::clicked, &scope, [&pressed, b] { pressed << b->objectName(); });
    }
    ASSERT_LE(looksDefault.size(), 1);
    EXPECT_EQ(window.defaultButton() ? QStringList{window.defaultButton()->objectName()} : QStringList(),
              looksDefault);
    QList<QWidget*> targets{&window};
    for (QWidget* c : window.controls())
        if (c->focusPolicy() & Qt::TabFocus) targets << c;
    for (QWidget* target : targets) {
        pressed.clear();
        QTest::keyClick(target, Qt::Key_Return);
        testsupport::processEvents();
        EXPECT_EQ(pressed, looksDefault) << target->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
