// The ten pictures of the program, each drawn on its first request and kept
// until the program ends. A picture that cannot be had leaves its control
// blank; the next request tries again.
#pragma once

#include <QPixmap>

namespace pictures {

QPixmap Logo10();     // 168, logo, 368 x 87
QPixmap components(); // 169, the chemical system, 111 x 20
QPixmap fields2();    // 170, stability fields in mass fractions, 252 x 226
QPixmap phase2();     // 171, phase diagram of the SLV surface, 472 x 404
QPixmap Cotects2();   // 172, the five cotectic lines, 402 x 346
QPixmap thermos2();   // 173, liquidus surface with isotherms, 315 x 280
QPixmap unit1_500();  // 174, units and symbols, page 1, 500 x 384
QPixmap unit2_500();  // 175, page 2, 500 x 285
QPixmap unit3_500();  // 176, page 3, 500 x 611
QPixmap Nfi1_150();   // 177, a fluid inclusion, 150 x 150

// Empties every cache, in the order above.
void releaseAll();

// Where the pictures come from, by number: our own drawings unless a test
// installs another source (nullptr restores the drawings). A null pixmap
// stands for a missing picture.
using Source = QPixmap (*)(int number);
void setSource(Source source);
// How often the source has been asked for picture `number` since the start.
int reads(int number);

// The drawings themselves; a null pixmap for a number outside 168 to 177.
QPixmap draw(int number);

} // namespace pictures
