// The keyboard as on every desktop: arrow keys move the choice of a radio
// group, Space chooses, and Return presses the one button that looks like the
// default of its window.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "app/Start1.h"
#include "app/Start2.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

using testsupport::GuiTest;
using testsupport::isShown;

TEST_F(GuiTest, ArrowsInTheChooserChooseAndReturnOpensTheChosenCalculator) {
    QTest::keyClick(Start1(), Qt::Key_Return);
    testsupport::processEvents();
    ui::Window& w = *Start2();
    w.radio("Salinity").setFocus();
    QTest::keyClick(&w.radio("Salinity"), Qt::Key_Down);
    EXPECT_TRUE(w.radio("Temperature").value());
    EXPECT_FALSE(w.radio("Salinity").value());
    EXPECT_TRUE(w.radio("Empirical").value()); // the model group keeps its choice
    ASSERT_EQ(w.focusWidget(), &w.radio("Temperature"));
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    testsupport::processEvents();
    EXPECT_TRUE(isShown("EmpiricalTemperature"));
    EXPECT_FALSE(isShown("EmpiricalSalinity"));

    // Up from the first model goes round to the last; Space chooses the focused one.
    QTest::keyClick(&w.radio("Empirical"), Qt::Key_Up);
    EXPECT_TRUE(w.radio("Thermodynamic").value());
    EXPECT_FALSE(w.radio("Empirical").value());
    EXPECT_TRUE(w.radio("Temperature").value());
    QTest::keyClick(&w.radio("Empirical"), Qt::Key_Space);
    EXPECT_TRUE(w.radio("Empirical").value());
    EXPECT_FALSE(w.radio("Thermodynamic").value());
}

class KeyboardOfEveryWindow : public GuiTest,
                              public ::testing::WithParamInterface<testsupport::WindowEntry> {};

TEST_P(KeyboardOfEveryWindow, ReturnPressesTheOneDefaultLookingButtonWhereverTheFocusIs) {
    ui::Window* window = GetParam().open();
    window->Show();
    testsupport::processEvents();

    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    std::vector<QPushButton*> looksDefault;
    for (QPushButton* b : buttons)
        if (b->isDefault() || b->autoDefault()) looksDefault.push_back(b);
    ASSERT_LE(looksDefault.size(), 1u);
    QPushButton* expected = looksDefault.empty() ? nullptr : looksDefault.front();
    EXPECT_EQ(window->defaultButton(), expected);

    std::vector<QWidget*> targets{window};
    for (QWidget* c : window->controls())
        if (c->focusPolicy() & Qt::TabFocus) targets.push_back(c);
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QPushButton* b : buttons)
            spies.push_back(std::make_unique<QSignalSpy>(b, &QPushButton::clicked));
        QTest::keyClick(target, Qt::Key_Return);
        testsupport::processEvents();
        for (qsizetype i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(spies[static_cast<std::size_t>(i)]->count(), buttons[i] == expected ? 1 : 0)
                << buttons[i]->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, KeyboardOfEveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
