#include "Drawings.h"
namespace pictures {
QPixmap drawStabilityFields(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
QPixmap drawSlvPhaseDiagram(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
QPixmap drawCotecticLines(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
QPixmap drawLiquidusSurface(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
} // namespace pictures
