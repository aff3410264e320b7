// Every window is built without a Qt warning, with every text inside its
// control and drawn in a font the program carries, and is saved as a picture
// for a person to look at.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include <QFontInfo>

namespace {

using testsupport::GuiTest;

class EveryWindow : public GuiTest, public ::testing::WithParamInterface<testsupport::WindowEntry> {};

TEST_P(EveryWindow, BuildsCleanlyWithEveryTextInside) {
    ui::Window* window = GetParam().open();
    ASSERT_NE(window, nullptr);
    window->Show();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::clippedTexts(*window), QStringList());
    const QString path = testsupport::saveScreenshot(*window, QString::fromLatin1(GetParam().className));
    EXPECT_FALSE(window->grab().isNull()) << path.toStdString();
}

TEST_P(EveryWindow, DrawsEveryTextInACarriedFont) {
    ui::Window* window = GetParam().open();
    ASSERT_NE(window, nullptr);
    for (QWidget* c : window->controls()) {
        if (!dynamic_cast<QLabel*>(c) && !dynamic_cast<QAbstractButton*>(c) && !dynamic_cast<QGroupBox*>(c) &&
            !dynamic_cast<QLineEdit*>(c))
            continue;
        const QFontInfo shown(c->font());
        EXPECT_TRUE(testsupport::isCarriedFont(c->font()) &&
                    shown.family().startsWith(c->font().family().section(QLatin1String(" ["), 0, 0)))
            << c->objectName().toStdString() << " is drawn in " << shown.family().toStdString() << " "
            << shown.styleName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
