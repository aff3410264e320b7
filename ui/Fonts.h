// The fonts of every text the program draws. The program carries them, built
// into it, so that a window looks the same, and its texts fit their controls,
// whatever fonts the machine has.
#pragma once

#include <QString>
#include <QStringView>

namespace ui {

// Loads the carried fonts into the application; the first call does the work.
// Needs the application object.
void loadFonts();

// The carried family for a font name of a control table: "System"/"system"
// (the interface font) or "arial"; any other name gets the interface font, so
// no text falls back to a font of the machine. Loads the fonts if needed.
QString fontFamily(QStringView name);

// The family of "System".
QString systemFontFamily();

} // namespace ui
