// The pictures of the program, drawn with QPainter at the size of the control
// that shows them. The diagrams are computed from the equations library.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

namespace pictures {

// What every picture is drawn with: the program's text font at a pixel size,
// and a white sheet.
QFont pictureFont(int pixels, bool bold = false, bool italic = false);
QPixmap whitePicture(QSize size);

QPixmap drawLogo(QSize size);
QPixmap drawComponents(QSize size);
QPixmap drawFluidInclusion(QSize size);

QPixmap drawStabilityFields(QSize size);
QPixmap drawSlvPhaseDiagram(QSize size);
QPixmap drawCotecticLines(QSize size);
QPixmap drawLiquidusSurface(QSize size);

QPixmap drawUnitsPage(int page, QSize size);

} // namespace pictures
