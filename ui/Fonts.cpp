#include "Fonts.h"

#include <QFontDatabase>
#include <QtGlobal>

// The font files come from the build (ui/CMakeLists.txt) as Qt resources of
// the static library; a static library needs its resources initialised by name.
static void initFontResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace ui {

namespace {

// A condensed face keeps the texts inside the control sizes of the windows,
// which were laid out for a narrow interface font.
const QString kSystemFamily = QStringLiteral("DejaVu Sans Condensed [PfEd]");
// Metric-compatible with Arial: the same advance widths and line height.
const QString kArialFamily = QStringLiteral("Liberation Sans [1ASC]");

const char* const kFontFiles[] = {
    ":/fonts/DejaVuSansCondensed.ttf",         ":/fonts/DejaVuSansCondensed-Bold.ttf",
    ":/fonts/DejaVuSansCondensed-Oblique.ttf", ":/fonts/DejaVuSansCondensed-BoldOblique.ttf",
    ":/fonts/LiberationSans-Regular.ttf",
};

} // namespace

void loadFonts() {
    static const bool loaded = [] {
        initFontResources();
        for (const char* file : kFontFiles) {
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
                qWarning("The built-in font %s cannot be loaded", file);
        }
        return true;
    }();
    (void)loaded;
}

QString fontFamily(QStringView name) {
    loadFonts();
    return name.compare(QLatin1String("arial"), Qt::CaseInsensitive) == 0 ? kArialFamily : kSystemFamily;
}

QString systemFontFamily() {
    return fontFamily(u"System");
}

} // namespace ui
