// The keyboard as on every desktop: arrows choose within a radio group, and
// Return presses the one button that looks like the default of its window.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "app/Start1.h"
#include "app/Start2.h"

#include <QPushButton>
#include <QTest>

namespace {

using testsupport::GuiTest;

TEST_F(GuiTest, ArrowsInTheChooserChooseAndReturnOpensTheChosenCalculator) {
    QTest::keyClick(Start1(), Qt::Key_Return);
    testsupport::processEvents();
    ui::Window& w = *Start2();
    w.radio("Salinity").setFocus();
    QTest::keyClick(&w.radio("Salinity"), Qt::Key_Down);
    EXPECT_TRUE(w.radio("Temperature").value());
    EXPECT_TRUE(w.radio("Empirical").value()); // the model group keeps its choice
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    testsupport::processEvents();
    EXPECT_TRUE(testsupport::isShown("EmpiricalTemperature"));
    EXPECT_FALSE(testsupport::isShown("EmpiricalSalinity"));
}

class KeyboardOfEveryWindow : public GuiTest,
                              public ::testing::WithParamInterface<testsupport::WindowEntry> {};

TEST_P(KeyboardOfEveryWindow, ReturnPressesTheOneDefaultLookingButtonWhereverTheFocusIs) {
    ui::Window* window = GetParam().open();
    window->Show();
    testsupport::processEvents();
    QStringList looksDefault, pressed;
    const QObject scope; // ends the connections with the test
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (b->isDefault() || b->autoDefault()) looksDefault << b->objectName();
        QObject::connect(b, &QPushButton::clicked, &scope, [&pressed, b] { pressed << b->objectName(); });
    }
    ASSERT_LE(looksDefault.size(), 1);
    EXPECT_EQ(window->defaultButton() ? QStringList{window->defaultButton()->objectName()} : QStringList(),
              looksDefault);
    QList<QWidget*> targets{window};
    for (QWidget* c : window->controls())
        if (c->focusPolicy() & Qt::TabFocus) targets << c;
    for (QWidget* target : targets) {
        pressed.clear();
        QTest::keyClick(target, Qt::Key_Return);
        testsupport::processEvents();
        EXPECT_EQ(pressed, looksDefault) << target->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, KeyboardOfEveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
