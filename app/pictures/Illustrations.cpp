#include "Drawings.h"
namespace pictures {
QPixmap drawLogo(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
QPixmap drawComponents(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
QPixmap drawFluidInclusion(QSize s) {
    QPixmap p(s);
    p.fill(Qt::white);
    return p;
}
} // namespace pictures
