// The phase diagrams, computed from the empirical equations of the SLV surface.
#include "Drawings.h"
#include "PhaseGeometry.h"

#include "Globals.h"
#include "ui/Window.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace pictures {

namespace {

using geometry::Composition;

const QColor kIceField(0xdd, 0xee, 0xfb);
const QColor kHydrohaliteField(0xdc, 0xf2, 0xe2);
const QColor kHaliteField(0xfb, 0xe3, 0xe3);
const QColor kSylviteField(0xfb, 0xf3, 0xd6);
const QColor kLineColour(0x20, 0x20, 0x20);
const QColor kIsothermColour(0x2a, 0x5d, 0xa8);
const QColor kSolvusDot(0xf2, 0xc9, 0x1d);
const QColor kExampleColour(0xc0, 0x20, 0x20);

// The sketch of the diagram being drawn, when a test asked for one.
Sketch* gSketch = nullptr;

class Recording {
public:
    explicit Recording(Sketch* sketch) { gSketch = sketch; }
    ~Recording() { gSketch = nullptr; }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

void record(const QString& what, std::vector<QPointF> points, Qt::PenStyle style) {
    if (gSketch) gSketch->lines.push_back({what, std::move(points), style});
}

// A straight line in the painter's pen.
void segment(QPainter& p, QPointF a, QPointF b, const QString& what) {
    p.drawLine(a, b);
    record(what, {a, b}, p.pen().style());
}

void setUp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A dot with a dark rim, as the diagrams mark special points.
void dot(QPainter& p, QPointF at, const QColor& fill, double radius = 3.5) {
    p.save();
    p.setPen(QPen(kLineColour, 1));
    p.setBrush(fill);
    p.drawEllipse(at, radius, radius);
    p.restore();
    if (gSketch) gSketch->dots.push_back(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius));
}

QRectF text(QPainter& p, QPointF at, const QString& s, int pixels,
            Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QColor& colour = kLineColour) {
    p.save();
    p.setFont(pictureFont(pixels));
    p.setPen(colour);
    const QRectF box(at.x() - 200, at.y() - 100, 400, 200);
    QRectF r = box;
    if (align & Qt::AlignLeft) r.setLeft(at.x());
    if (align & Qt::AlignRight) r.setRight(at.x());
    if (align & Qt::AlignTop) r.setTop(at.y());
    if (align & Qt::AlignBottom) r.setBottom(at.y());
    QRectF drawn;
    p.drawText(r, int(align), s, &drawn);
    p.restore();
    if (gSketch) gSketch->texts.push_back({s, drawn});
    return drawn;
}

QPainterPath pathThrough(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty()) return path;
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    return path;
}

// ---------------------------------------------------------------------------
// A right-angled plot of the mass fractions of NaCl (across) and KCl (up).
struct MassPlot {
    QRectF area; // in pixels
    double maxNaCl, maxKCl;

    QPointF at(double wNaCl, double wKCl) const {
        return {area.left() + area.width() * wNaCl / maxNaCl, area.bottom() - area.height() * wKCl / maxKCl};
    }
    QPointF at(const Composition& c) const { return at(c.wNaCl, c.wKCl); }

    std::vector<QPointF> points(const std::vector<Composition>& line) const {
        std::vector<QPointF> out;
        for (const Composition& c : line)
            out.push_back(at(c));
        return out;
    }

    void axes(QPainter& p, double step, int labelPixels) const {
        p.save();
        p.setPen(QPen(kLineColour, 1));
        segment(p, at(0, 0), at(maxNaCl, 0), QStringLiteral("axis"));
        segment(p, at(0, 0), at(0, maxKCl), QStringLiteral("axis"));
        for (double v = 0; v <= maxNaCl + 1e-9; v += step) {
            segment(p, at(v, 0), at(v, 0) + QPointF(0, 3), QStringLiteral("tick"));
            text(p, at(v, 0) + QPointF(0, 4), QString::number(v, 'g', 2), labelPixels,
                 Qt::AlignHCenter | Qt::AlignTop);
        }
        for (double v = 0; v <= maxKCl + 1e-9; v += step) {
            segment(p, at(0, v), at(0, v) - QPointF(3, 0), QStringLiteral("tick"));
            text(p, at(0, v) - QPointF(5, 0), QString::number(v, 'g', 2), labelPixels,
                 Qt::AlignRight | Qt::AlignVCenter);
        }
        p.restore();
    }
};

// ---------------------------------------------------------------------------
// An equilateral triangle with H2O at the top, NaCl at the lower left and KCl
// at the lower right.
struct Triangle {
    QPointF water, nacl, kcl;

    QPointF at(double fNaCl, double fKCl) const {
        const double fWater = 1.0 - fNaCl - fKCl;
        return water * fWater + nacl * fNaCl + kcl * fKCl;
    }
    QPointF atMass(const Composition& c) const { return at(c.wNaCl, c.wKCl); }
    QPointF atMole(const Composition& c) const { return at(c.xNaCl, c.xKCl); }

    void outline(QPainter& p) const {
        p.save();
        p.setPen(QPen(kLineColour, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({water, nacl, kcl}));
        p.restore();
        record(QStringLiteral("frame"), {water, nacl, kcl, water}, Qt::SolidLine);
    }
};

std::vector<QPointF> massPoints(const Triangle& t, const std::vector<Composition>& line) {
    std::vector<QPointF> out;
    for (const Composition& c : line)
        out.push_back(t.atMass(c));
    return out;
}

std::vector<QPointF> molePoints(const Triangle& t, const std::vector<Composition>& line) {
    std::vector<QPointF> out;
    for (const Composition& c : line)
        out.push_back(t.atMole(c));
    return out;
}

// A dashed pen whose gaps show at the width of a curve: Qt's own dashes
// close up on a bending line and read as solid.
QPen linePen(const QColor& colour, double width, Qt::PenStyle style) {
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    if (style == Qt::DashLine) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({3.0, 2.5});
    }
    return pen;
}

void strokeLine(QPainter& p, const std::vector<QPointF>& points, const QColor& colour, double width,
                Qt::PenStyle style = Qt::SolidLine, const QString& what = QStringLiteral("curve")) {
    p.save();
    p.setPen(linePen(colour, width, style));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pathThrough(points));
    p.restore();
    record(what, points, style);
}

void fillRegion(QPainter& p, const std::vector<QPointF>& outline, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
    p.restore();
}

template <class... Lists> std::vector<QPointF> joined(const Lists&... lists) {
    std::vector<QPointF> out;
    (out.insert(out.end(), lists.begin(), lists.end()), ...);
    return out;
}

std::vector<QPointF> reversed(std::vector<QPointF> v) {
    std::reverse(v.begin(), v.end());
    return v;
}

} // namespace

// ---------------------------------------------------------------------------
// 170: the fields of ice, hydrohalite, halite and sylvite near the water
// corner, in mass fractions, with the invariant points numbered as in the
// window's list.
QPixmap drawStabilityFields(QSize size, Sketch* sketch) {
    const Recording recording(sketch);
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    setUp(p);

    // The names of the axes stand outside the plot: the right margin holds
    // "NaCl", the top margin "KCl".
    const MassPlot plot{QRectF(34, 22, size.width() - 66, size.height() - 42), 0.30, 0.30};
    if (sketch) sketch->plot = plot.area;
    const auto line1 = geometry::cotecticLine(1, geometry::kEutecticC, geometry::kBinaryEutecticNaClC);
    const auto line2 = geometry::cotecticLine(2, geometry::kEutecticC, geometry::kBinaryEutecticKClC);
    const auto line3 = geometry::cotecticLine(3, geometry::kEutecticC, geometry::kPeritecticC);
    const auto line4 = geometry::cotecticLine(4, geometry::kPeritecticC, geometry::kBinaryPeritecticC);
    const auto line5 = geometry::clippedToMass(
        geometry::cotecticLine(5, geometry::kPeritecticC, geometry::kAnhydrousMinimumC), plot.maxNaCl,
        plot.maxKCl);

    const auto p1 = plot.points(line1), p2 = plot.points(line2), p3 = plot.points(line3),
               p4 = plot.points(line4), p5 = plot.points(line5);
    const QPointF origin = plot.at(0, 0), nacl = plot.at(plot.maxNaCl, 0),
                  corner = plot.at(plot.maxNaCl, plot.maxKCl), kcl = plot.at(0, plot.maxKCl);

    fillRegion(p, joined(std::vector<QPointF>{origin}, reversed(p2), p1), kIceField);
    fillRegion(p, joined(p1, reversed(p4), reversed(p3)), kHydrohaliteField);
    fillRegion(p, joined(p4, std::vector<QPointF>{nacl, corner}, reversed(p5)), kHaliteField);
    fillRegion(p, joined(std::vector<QPointF>{kcl}, reversed(p5), reversed(p3), p2), kSylviteField);

    for (const auto* line : {&p1, &p2, &p3, &p4, &p5})
        strokeLine(p, *line, kLineColour, 1.6);
    plot.axes(p, 0.1, 10);

    text(p, plot.at(0.06, 0.08), QStringLiteral("Ice"), 13, Qt::AlignCenter);
    text(p, plot.at(0.075, 0.25), QStringLiteral("Sylvite"), 13, Qt::AlignCenter);
    text(p, plot.at(0.262, 0.15), QStringLiteral("Halite"), 13, Qt::AlignCenter);
    // The hydrohalite field is a thin wedge: its name stands outside, with a
    // pointer that passes between the numbers 1 and 3.
    p.setPen(QPen(kLineColour, 0.8));
    segment(p, plot.at(0.187, 0.031), plot.at(0.229, 0.03), QStringLiteral("leader"));
    text(p, plot.at(0.183, 0.031), QStringLiteral("Hydrohalite"), 11, Qt::AlignRight | Qt::AlignVCenter);

    const QPointF eutectic = p1.front(), peritectic = p4.front();
    for (QPointF at : {eutectic, peritectic, p1.back(), p2.back(), p4.back()})
        dot(p, at, Qt::white, 3);
    text(p, eutectic + QPointF(-7, 5), QStringLiteral("1"), 11, Qt::AlignRight | Qt::AlignVCenter);
    text(p, peritectic + QPointF(-6, -4), QStringLiteral("2"), 11, Qt::AlignRight | Qt::AlignVCenter);
    // The binary points on the NaCl axis are numbered above it, clear of the
    // row of tick labels: 3 left of the ice + hydrohalite line, 4 right of
    // the hydrohalite + halite line.
    text(p, p1.back() + QPointF(-11, -2), QStringLiteral("3"), 11, Qt::AlignRight | Qt::AlignBottom);
    text(p, p2.back() + QPointF(5, -4), QStringLiteral("3"), 11, Qt::AlignLeft | Qt::AlignBottom);
    text(p, p4.back() + QPointF(5, -2), QStringLiteral("4"), 11, Qt::AlignLeft | Qt::AlignBottom);

    text(p, nacl + QPointF(4, -1), QStringLiteral("NaCl"), 11, Qt::AlignLeft | Qt::AlignBottom);
    text(p, kcl + QPointF(4, -3), QStringLiteral("KCl"), 11, Qt::AlignLeft | Qt::AlignBottom);
    return picture;
}

// ---------------------------------------------------------------------------
// 172: the five cotectic lines in mass fractions, with temperatures along the
// halite + sylvite line and the region of the other four enlarged.
QPixmap drawCotecticLines(QSize size, Sketch* sketch) {
    const Recording recording(sketch);
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    setUp(p);

    const MassPlot plot{QRectF(36, 14, size.width() - 52, size.height() - 40), 1.0, 1.0};
    if (sketch) sketch->plot = plot.area;
    const auto line1 = geometry::cotecticLine(1, geometry::kEutecticC, geometry::kBinaryEutecticNaClC);
    const auto line2 = geometry::cotecticLine(2, geometry::kEutecticC, geometry::kBinaryEutecticKClC);
    const auto line3 = geometry::cotecticLine(3, geometry::kEutecticC, geometry::kPeritecticC);
    const auto line4 = geometry::cotecticLine(4, geometry::kPeritecticC, geometry::kBinaryPeritecticC);
    const auto below = geometry::cotecticLine(5, geometry::kPeritecticC, geometry::solvusCrestC());
    const auto above = geometry::cotecticLine(5, geometry::solvusCrestC(), geometry::kAnhydrousMinimumC);

    // The anhydrous edge: no water left.
    p.setPen(linePen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
    segment(p, plot.at(1, 0), plot.at(0, 1), QStringLiteral("join"));
    plot.axes(p, 0.2, 10);

    strokeLine(p, plot.points(below), kLineColour, 1.8);
    strokeLine(p, plot.points(above), kLineColour, 1.4, Qt::DashLine);
    for (const auto* line : {&line1, &line2, &line3, &line4})
        strokeLine(p, plot.points(*line), kLineColour, 1.4);

    for (int t = 100; t <= 600; t += 100) {
        const Composition c = geometry::cotecticLiquid(5, t);
        dot(p, plot.at(c), Qt::white, 3);
        // Near the anhydrous join the labels move off the line's path: 500
        // to its left, 600 below its end.
        if (t == 600)
            text(p, plot.at(c) + QPointF(3, 8), QString::number(t), 10, Qt::AlignLeft | Qt::AlignTop);
        else if (t == 500)
            text(p, plot.at(c) + QPointF(-8, -3), QString::number(t), 10, Qt::AlignRight | Qt::AlignVCenter);
        else
            text(p, plot.at(c) + QPointF(6, 0), QString::number(t), 10, Qt::AlignLeft | Qt::AlignVCenter);
    }
    const Composition minimum = geometry::cotecticLiquid(5, geometry::kAnhydrousMinimumC);
    dot(p, plot.at(minimum), Qt::white, 3);
    text(p, plot.at(minimum) + QPointF(5, -5), QStringLiteral("656 \u02daC"), 10,
         Qt::AlignLeft | Qt::AlignBottom);
    text(p, plot.at(geometry::cotecticLiquid(5, 300)) + QPointF(-8, -6), QStringLiteral("5"), 12,
         Qt::AlignRight | Qt::AlignBottom);
    text(p, plot.at(geometry::cotecticLiquid(5, 530)) + QPointF(-8, -8), QStringLiteral("minimum line"), 10,
         Qt::AlignRight | Qt::AlignBottom);

    // The enlarged corner.
    const QRectF inset(plot.at(0.58, 0.99).x(), plot.at(0.58, 0.99).y(), 140, 112);
    const MassPlot zoom{inset.adjusted(22, 6, -6, -18), 0.30, 0.24};
    p.save();
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.setBrush(Qt::white);
    p.drawRect(inset);
    p.restore();
    record(QStringLiteral("frame"),
           {inset.topLeft(), inset.topRight(), inset.bottomRight(), inset.bottomLeft(), inset.topLeft()},
           Qt::SolidLine);
    p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 0.8, Qt::DotLine));
    p.drawRect(QRectF(plot.at(0.0, 0.24), plot.at(0.30, 0.0)));
    zoom.axes(p, 0.1, 9);
    const auto z5 = geometry::clippedToMass(below, zoom.maxNaCl, zoom.maxKCl);
    for (const auto* line : {&line1, &line2, &line3, &line4, &z5})
        strokeLine(p, zoom.points(*line), kLineColour, 1.3);
    text(p, zoom.at(0.205, 0.015), QStringLiteral("1"), 9, Qt::AlignRight | Qt::AlignVCenter);
    text(p, zoom.at(0.09, 0.17), QStringLiteral("2"), 9, Qt::AlignCenter);
    text(p, zoom.at(0.19, 0.10), QStringLiteral("3"), 9, Qt::AlignCenter);
    text(p, zoom.at(0.255, 0.045), QStringLiteral("4"), 9, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, zoom.at(0.20, 0.20), QStringLiteral("5"), 9, Qt::AlignLeft | Qt::AlignVCenter);

    // The legend stands beyond the anhydrous join, where no liquid lies.
    const QStringList names = {QStringLiteral("1 Ice + Hydrohalite"), QStringLiteral("2 Ice + Sylvite"),
                               QStringLiteral("3 Hydrohalite + Sylvite"),
                               QStringLiteral("4 Hydrohalite + Halite"),
                               QStringLiteral("5 Halite + Sylvite")};
    QRectF legend;
    for (int i = 0; i < names.size(); ++i)
        legend |= text(p, QPointF(plot.at(0.645, 0).x(), inset.bottom() + 12 + 13.0 * i), names[i], 10);
    if (sketch) sketch->legend = legend;

    text(p, QPointF(plot.area.right() - 10, size.height() - 2), QStringLiteral("w(NaCl)"), 11,
         Qt::AlignRight | Qt::AlignBottom);
    text(p, QPointF(plot.area.left() + 8, 2), QStringLiteral("w(KCl)"), 11, Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

// ---------------------------------------------------------------------------
// 171: the SLV surface of the salt-rich part of the system in mass fractions:
// liquidus isotherms of halite and sylvite, the halite + sylvite line, the
// anhydrous solvus, and the worked example of the window's text.
QPixmap drawSlvPhaseDiagram(QSize size, Sketch* sketch) {
    const Recording recording(sketch);
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    setUp(p);

    const double side = size.width() - 90.0;
    const double height = side * std::sqrt(3.0) / 2.0;
    const double left = 45, bottom = size.height() - 22.0;
    const Triangle tri{QPointF(left + side / 2, bottom - height), QPointF(left, bottom),
                       QPointF(left + side, bottom)};

    // Isotherms.
    for (int t = 100; t <= 800; t += 100) {
        for (const auto& branch : geometry::isotherm(t)) {
            strokeLine(p, massPoints(tri, branch), kIsothermColour, 0.9);
        }
        if (t == 800) continue;
        const auto halite = geometry::isotherm(t).front();
        if (!halite.empty())
            text(p, tri.atMass(halite.front()) + QPointF(-4, 0), QString::number(t), 9,
                 Qt::AlignRight | Qt::AlignVCenter, kIsothermColour);
    }

    const auto low = geometry::cotecticLine(5, geometry::kPeritecticC, geometry::solvusCrestC());
    const auto high = geometry::cotecticLine(5, geometry::solvusCrestC(), geometry::kAnhydrousMinimumC);
    strokeLine(p, massPoints(tri, low), kLineColour, 1.8);
    strokeLine(p, massPoints(tri, high), kLineColour, 1.4, Qt::DashLine);
    for (const int line : {1, 2, 3, 4})
        strokeLine(p, massPoints(tri, geometry::lowTemperatureLine(line)), kLineColour, 1.2);
    tri.outline(p);

    for (int t = 100; t <= 400; t += 100) {
        const Composition c = geometry::cotecticLiquid(5, t);
        dot(p, tri.atMass(c), Qt::white, 3);
        if (t != 400) text(p, tri.atMass(c) + QPointF(6, 0), QString::number(t), 9);
    }

    // The anhydrous solvus on the NaCl-KCl edge.
    for (int t : {300, 400, 450}) {
        for (int limb : {3, 4}) {
            const Composition s = geometry::solvusSolid(limb, t);
            dot(p, tri.atMass(s), kSolvusDot, 3);
            if (t != 400)
                text(p, tri.atMass(s) + QPointF(0, 5), QString::number(t), 9,
                     Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    const Composition crest = geometry::solvusCrestSolid();
    dot(p, tri.atMass(crest), kSolvusDot, 3.5);
    text(p, tri.atMass(crest) + QPointF(0, 5), QStringLiteral("495"), 9, Qt::AlignHCenter | Qt::AlignTop);
    const Composition minimum = geometry::cotecticLiquid(5, geometry::kAnhydrousMinimumC);
    dot(p, tri.atMass(minimum), Qt::white, 3);
    text(p, tri.atMass(minimum) + QPointF(0, 5), QStringLiteral("656"), 9, Qt::AlignHCenter | Qt::AlignTop);

    // The example: the liquid on the cotectic at T1 and the remaining halite,
    // joined; the liquid of the whole inclusion lies where the line crosses
    // the T2 isotherm.
    const geometry::Example ex = geometry::workedExample(400, 600);
    p.setPen(QPen(kExampleColour, 1.2, Qt::DashLine));
    segment(p, tri.atMass(ex.cotectic), tri.atMass(ex.halite), QStringLiteral("leader"));
    strokeLine(p, massPoints(tri, geometry::isotherm(600).front()), kExampleColour, 1.6);
    dot(p, tri.atMass(ex.cotectic), Qt::white, 3.5);
    dot(p, tri.atMass(ex.halite), kSolvusDot, 3.5);
    dot(p, tri.atMass(ex.sylvite), kSolvusDot, 3.5);
    if (ex.bulk) dot(p, tri.atMass(*ex.bulk), kExampleColour, 3.5);
    text(p, tri.atMass(ex.cotectic) + QPointF(7, -2), QStringLiteral("T1"), 11,
         Qt::AlignLeft | Qt::AlignVCenter, kExampleColour);
    text(p, tri.atMass(ex.halite) + QPointF(0, 5), QStringLiteral("T1"), 10, Qt::AlignHCenter | Qt::AlignTop,
         kExampleColour);
    text(p, tri.atMass(ex.sylvite) + QPointF(0, 5), QStringLiteral("T1"), 10, Qt::AlignHCenter | Qt::AlignTop,
         kExampleColour);
    if (ex.bulk)
        text(p, tri.atMass(*ex.bulk) + QPointF(-7, -2), QStringLiteral("T2"), 11,
             Qt::AlignRight | Qt::AlignVCenter, kExampleColour);

    text(p, tri.water + QPointF(0, -3), QStringLiteral("H\u2082O"), 12, Qt::AlignHCenter | Qt::AlignBottom);
    text(p, tri.nacl + QPointF(-5, 0), QStringLiteral("NaCl"), 12, Qt::AlignRight | Qt::AlignVCenter);
    text(p, tri.kcl + QPointF(5, 0), QStringLiteral("KCl"), 12, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, tri.at(0.62, 0.08), QStringLiteral("halite"), 12, Qt::AlignCenter);
    text(p, tri.at(0.12, 0.66), QStringLiteral("sylvite"), 12, Qt::AlignCenter);
    text(p, QPointF(6, 6), QStringLiteral("mass fractions, SLV"), 11, Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

// ---------------------------------------------------------------------------
// 173: the liquidus surface of the salt-rich liquids in amount-of-substance
// fractions: the isotherms of 400 to 700 ˚C of the thermodynamic model at the
// two pressures of the window's text, the halite + sylvite line (c), its end
// points at those pressures (ec) and the minimum line (m).
namespace {

struct IsothermSet {
    double pressureMPa;
    Qt::PenStyle style;
    QColor colour;
    std::vector<geometry::ModelIsotherm> isotherms;
};

// The model takes most of a second for both sets: they are computed once, on
// the first drawing, for the rest of the run.
const std::vector<IsothermSet>& liquidusIsotherms() {
    static const std::vector<IsothermSet> sets = [] {
        const std::vector<double> temperatures{400, 500, 600, 700};
        return std::vector<IsothermSet>{
            {50, Qt::SolidLine, kIsothermColour, geometry::modelIsotherms(50, temperatures)},
            {200, Qt::DashLine, QColor(0xb0, 0x50, 0x10), geometry::modelIsotherms(200, temperatures)},
        };
    }();
    return sets;
}

// The end points of the halite + sylvite line as the window's text gives them.
struct CotecticEnd {
    double xNaCl, xKCl;
};
constexpr CotecticEnd kEnd50{0.2838, 0.3252}, kEnd200{0.2664, 0.3269};

} // namespace

QPixmap drawLiquidusSurface(QSize size, Sketch* sketch) {
    const Recording recording(sketch);
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    setUp(p);

    const double side = size.width() - 40.0;
    const double height = side * std::sqrt(3.0) / 2.0;
    const double left = 20, bottom = (size.height() + height) / 2.0 - 2;
    const Triangle tri{QPointF(left + side / 2, bottom - height), QPointF(left, bottom),
                       QPointF(left + side, bottom)};
    if (sketch) sketch->plot = QRectF(tri.nacl.x(), tri.water.y(), side, height);

    const std::vector<IsothermSet>& sets = liquidusIsotherms();
    for (const IsothermSet& set : sets)
        for (const geometry::ModelIsotherm& iso : set.isotherms)
            for (const auto& run : iso.runs)
                strokeLine(p, molePoints(tri, run), set.colour, 1.1, set.style, QStringLiteral("isotherm"));
    // Each temperature once, beside the H2O-NaCl edge between the starts of
    // its two isotherms.
    for (std::size_t i = 0; i < sets.front().isotherms.size(); ++i) {
        const auto& a = sets[0].isotherms[i].runs;
        const auto& b = sets[1].isotherms[i].runs;
        if (a.empty() || b.empty()) continue;
        const QPointF at = (tri.atMole(a.front().front()) + tri.atMole(b.front().front())) / 2;
        text(p, at + QPointF(-4, 0), QString::number(sets[0].isotherms[i].tC), 9,
             Qt::AlignRight | Qt::AlignVCenter, kIsothermColour);
    }

    const auto c = geometry::cotecticLine(5, 300, geometry::solvusCrestC());
    const auto m = geometry::cotecticLine(5, geometry::solvusCrestC(), geometry::kAnhydrousMinimumC);
    strokeLine(p, molePoints(tri, c), kLineColour, 1.8);
    strokeLine(p, molePoints(tri, m), kLineColour, 1.3, Qt::DashLine);
    tri.outline(p);

    // The two end points lie some 4 pixels apart: small marks in the
    // colours of their pressures, each named from its own side.
    const QPointF ec50 = tri.at(kEnd50.xNaCl, kEnd50.xKCl), ec200 = tri.at(kEnd200.xNaCl, kEnd200.xKCl);
    dot(p, ec50, Qt::white, 1.8);
    dot(p, ec200, sets[1].colour, 1.8);
    p.setPen(QPen(kLineColour, 0.7));
    segment(p, ec50 + QPointF(3, 0), ec50 + QPointF(16, 0), QStringLiteral("leader"));
    segment(p, ec200 + QPointF(-3, 0), ec200 + QPointF(-16, 0), QStringLiteral("leader"));
    text(p, ec50 + QPointF(18, 0), QStringLiteral("ec"), 11, Qt::AlignLeft | Qt::AlignVCenter,
         sets[0].colour);
    text(p, ec200 + QPointF(-18, 0), QStringLiteral("ec"), 11, Qt::AlignRight | Qt::AlignVCenter,
         sets[1].colour);
    text(p, tri.atMole(geometry::cotecticLiquid(5, 330)) + QPointF(5, 0), QStringLiteral("c"), 11);
    text(p, tri.atMole(geometry::cotecticLiquid(5, 600)) + QPointF(7, 0), QStringLiteral("m"), 11);

    // Legend: which isotherms belong to which pressure.
    QRectF legend;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const QPointF row(size.width() - 78.0, 12.0 + 14.0 * double(i));
        strokeLine(p, {row, row + QPointF(22, 0)}, sets[i].colour, 1.1, sets[i].style,
                   QStringLiteral("legend"));
        legend |= text(p, row + QPointF(26, 0), QStringLiteral("%1 MPa").arg(sets[i].pressureMPa), 10);
        legend |= QRectF(row - QPointF(0, 1), QSizeF(22, 2));
    }
    if (sketch) sketch->legend = legend;

    text(p, tri.water + QPointF(0, -3), QStringLiteral("H\u2082O"), 12, Qt::AlignHCenter | Qt::AlignBottom);
    text(p, tri.nacl + QPointF(0, 4), QStringLiteral("NaCl"), 12, Qt::AlignHCenter | Qt::AlignTop);
    text(p, tri.kcl + QPointF(0, 4), QStringLiteral("KCl"), 12, Qt::AlignHCenter | Qt::AlignTop);
    text(p, QPointF(3, 3), QStringLiteral("amount-of-substance fractions"), 9, Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

} // namespace pictures
