#include "Pictures.h"

#include "pictures/Drawings.h"

#include <array>

namespace pictures {

namespace {

constexpr int kFirst = 168;
constexpr int kCount = 10;

struct Cache {
    std::array<QPixmap, kCount> pictures;
    std::array<int, kCount> reads{};
    Source source = nullptr;
};

Cache& cache() {
    static Cache c;
    return c;
}

QPixmap cached(int number) {
    Cache& c = cache();
    QPixmap& slot = c.pictures[static_cast<std::size_t>(number - kFirst)];
    if (slot.isNull()) {
        ++c.reads[static_cast<std::size_t>(number - kFirst)];
        slot = c.source ? c.source(number) : draw(number);
    }
    return slot;
}

} // namespace

QPixmap Logo10() {
    return cached(168);
}
QPixmap components() {
    return cached(169);
}
QPixmap fields2() {
    return cached(170);
}
QPixmap phase2() {
    return cached(171);
}
QPixmap Cotects2() {
    return cached(172);
}
QPixmap thermos2() {
    return cached(173);
}
QPixmap unit1_500() {
    return cached(174);
}
QPixmap unit2_500() {
    return cached(175);
}
QPixmap unit3_500() {
    return cached(176);
}
QPixmap Nfi1_150() {
    return cached(177);
}

void releaseAll() {
    for (QPixmap& p : cache().pictures)
        p = QPixmap();
}

void setSource(Source source) {
    cache().source = source;
}

int reads(int number) {
    if (number < kFirst || number >= kFirst + kCount) return 0;
    return cache().reads[static_cast<std::size_t>(number - kFirst)];
}

QPixmap draw(int number) {
    switch (number) {
    case 168:
        return drawLogo(QSize(368, 87));
    case 169:
        return drawComponents(QSize(111, 20));
    case 170:
        return drawStabilityFields(QSize(252, 226));
    case 171:
        return drawSlvPhaseDiagram(QSize(472, 404));
    case 172:
        return drawCotecticLines(QSize(402, 346));
    case 173:
        return drawLiquidusSurface(QSize(315, 280));
    case 174:
        return drawUnitsPage(1, QSize(500, 384));
    case 175:
        return drawUnitsPage(2, QSize(500, 285));
    case 176:
        return drawUnitsPage(3, QSize(500, 611));
    case 177:
        return drawFluidInclusion(QSize(150, 150));
    default:
        return QPixmap();
    }
}

} // namespace pictures
