// The pictures of the program, drawn with QPainter at the size of the control
// that shows them. The diagrams are computed from the equations library.
#pragma once

#include <QPixmap>
#include <QSize>

namespace pictures {

QPixmap drawLogo(QSize size);
QPixmap drawComponents(QSize size);
QPixmap drawFluidInclusion(QSize size);

QPixmap drawStabilityFields(QSize size);
QPixmap drawSlvPhaseDiagram(QSize size);
QPixmap drawCotecticLines(QSize size);
QPixmap drawLiquidusSurface(QSize size);

QPixmap drawUnitsPage(int page, QSize size);

} // namespace pictures
