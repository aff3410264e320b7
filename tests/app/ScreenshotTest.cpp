// Every window is built without a Qt warning and with every text inside its
// control, and is saved as a picture for a person to look at.
#include "support/GuiTest.h"
#include "support/Windows.h"

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

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
