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
    for (auto* label : window->content().findChildren<ui::StaticText*>()) // every text at its own size
        EXPECT_EQ(label->shownFont().pixelSize(), label->textSize()) << label->objectName().toStdString();
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

// The widest texts that Str writes: a minus sign, seven digits, an exponent.
// Result labels and table cells start empty; each must show every one in full.
TEST_P(EveryWindow, ShowsTheWidestNumbersInEveryResultInFull) {
    ui::Window* window = GetParam().open();
    ASSERT_NE(window, nullptr);
    QList<ui::StaticText*> results;
    for (QWidget* c : window->controls()) {
        auto* label = dynamic_cast<ui::StaticText*>(c);
        if (label && label->text().isEmpty()) results << label;
    }
    for (const char* widest : {"-0.0003081536", "-2.415861e-05", "-1.234567e+300"}) {
        for (ui::StaticText* label : results)
            label->setText(QString::fromLatin1(widest));
        EXPECT_EQ(testsupport::clippedTexts(*window), QStringList());
    }
    testsupport::saveScreenshot(*window,
                                QString::fromLatin1(GetParam().className) + QStringLiteral("-widest"));
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, ::testing::ValuesIn(testsupport::allWindows()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
