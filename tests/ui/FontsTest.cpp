// Every font name of the control tables draws from a font that the program
// carries, in every style the windows use, whatever fonts the machine has.
#include "support/GuiTest.h"

#include "ui/Fonts.h"

#include <QFontInfo>

#include <utility>

namespace {

TEST(Fonts, EveryFontNameDrawsFromACarriedFont) {
    const std::pair<const char*, const char*> kNames[] = {
        {"System", "DejaVu Sans Condensed"},    {"system", "DejaVu Sans Condensed"},
        {"arial", "Liberation Sans"},           {"Arial", "Liberation Sans"},
        {"Helvetica", "DejaVu Sans Condensed"}, // a name of no carried font
    };
    for (const auto& [name, family] : kNames) {
        for (int style = 0; style < 4; ++style) {
            const bool bold = style & 1, italic = style & 2;
            QFont font(ui::fontFamily(QString::fromLatin1(name)));
            font.setPixelSize(12);
            font.setBold(bold);
            font.setItalic(italic);
            const QFontInfo shown(font);
            SCOPED_TRACE(testing::Message() << name << " " << style << " " << shown.family().toStdString());
            EXPECT_TRUE(shown.family().startsWith(QLatin1String(family)));
            EXPECT_EQ(shown.bold(), bold);
            EXPECT_EQ(shown.italic(), italic);
            // Regular "arial" is the only Liberation face the windows use.
            if (family[0] == 'D' || style == 0) {
                EXPECT_TRUE(testsupport::isCarriedFont(font));
            }
        }
    }
}

} // namespace
