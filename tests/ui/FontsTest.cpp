// Every font name of the control tables draws from a font that the program
// carries, in every style the windows use, whatever fonts the machine has.
#include "support/GuiTest.h"

#include "ui/Fonts.h"

#include <QFontInfo>

namespace {

TEST(Fonts, EveryFontNameDrawsFromACarriedFont) {
    const struct {
        const char* name;
        const char* family;
    } kNames[] = {
        {"System", "DejaVu Sans Condensed"},    {"system", "DejaVu Sans Condensed"},
        {"arial", "Liberation Sans"},           {"Arial", "Liberation Sans"},
        {"Helvetica", "DejaVu Sans Condensed"}, // a name of no carried font
    };
    for (const auto& n : kNames) {
        for (const bool bold : {false, true}) {
            for (const bool italic : {false, true}) {
                QFont font(ui::fontFamily(QString::fromLatin1(n.name)));
                font.setPixelSize(12);
                font.setBold(bold);
                font.setItalic(italic);
                const QFontInfo shown(font);
                SCOPED_TRACE(testing::Message()
                             << n.name << (bold ? " bold" : "") << (italic ? " italic" : ""));
                EXPECT_TRUE(shown.family().startsWith(QLatin1String(n.family)))
                    << shown.family().toStdString();
                EXPECT_EQ(shown.bold(), bold);
                EXPECT_EQ(shown.italic(), italic);
                // Regular "arial" is the only Liberation face the windows use.
                const bool carried = n.family[0] == 'D' || (!bold && !italic);
                if (carried) {
                    EXPECT_TRUE(testsupport::isCarriedFont(font));
                }
            }
        }
    }
}

} // namespace
