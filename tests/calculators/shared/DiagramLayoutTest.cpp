// The diagrams read right: words clear of lines and of each other, and each
// line changing style where the physics changes.
#include "support/GuiTest.h"

#include "calculators/shared/DetailsRef.h"
#include "calculators/shared/pictures/Drawings.h"
#include "calculators/shared/pictures/PhaseGeometry.h"

#include "Globals.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace {

using pictures::Sketch;
using testsupport::GuiTest;

// Whether the polyline passes through the box (its inside, not its edge).
bool crosses(const std::vector<QPointF>& line, const QRectF& box) {
    const QRectF inside = box.adjusted(0.5, 0.5, -0.5, -0.5);
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], b = line[i + 1];
        const int steps = 1 + int(4 * std::hypot(b.x() - a.x(), b.y() - a.y()));
        for (int k = 0; k <= steps; ++k)
            if (inside.contains(a + (b - a) * (double(k) / steps))) return true;
    }
    return false;
}

bool overlap(const QRectF& a, const QRectF& b) {
    return a.adjusted(0.5, 0.5, -0.5, -0.5).intersects(b.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Every fault of the sketch's layout, one line each.
QStringList layoutFaults(const Sketch& s, QSize size) {
    QStringList faults;
    for (std::size_t i = 0; i < s.texts.size(); ++i) {
        const Sketch::Text& t = s.texts[i];
        if (!QRectF(QPointF(0, 0), size).contains(t.box)) faults << t.text + " leaves the picture";
        for (const Sketch::Line& l : s.lines)
            if (crosses(l.points, t.box)) faults << t.text + " is crossed by a " + l.what;
        for (const QRectF& d : s.dots)
            if (overlap(d, t.box)) faults << t.text + " covers a marked point";
        for (std::size_t j = i + 1; j < s.texts.size(); ++j)
            if (overlap(t.box, s.texts[j].box)) faults << t.text + " overlaps " + s.texts[j].text;
    }
    return faults;
}

const Sketch::Text* find(const Sketch& s, const QString& text) {
    for (const Sketch::Text& t : s.texts)
        if (t.text == text) return &t;
    return nullptr;
}

// Axis names stand outside the plot; the numbers of points sit above the ticks' labels.
TEST_F(GuiTest, DiagramWordsStandClearOfLinesPointsAndEachOther) {
    const struct {
        QPixmap (*draw)(QSize, Sketch*);
        QSize size;
        std::vector<const char*> axes;
    } diagrams[] = {
        {&pictures::drawStabilityFields, QSize(252, 226), {"NaCl", "KCl"}},
        {&pictures::drawCotecticLines, QSize(402, 346), {"w(NaCl)", "w(KCl)"}},
        {&pictures::drawLiquidusSurface, QSize(315, 280), {"NaCl", "KCl", "H\u2082O"}},
    };
    for (const auto& d : diagrams) {
        SCOPED_TRACE(d.size.width());
        Sketch s;
        d.draw(d.size, &s);
        ASSERT_GT(s.texts.size(), 5u);
        EXPECT_EQ(layoutFaults(s, d.size), QStringList());
        for (const char* axis : d.axes) {
            ASSERT_NE(find(s, axis), nullptr) << axis;
            EXPECT_FALSE(overlap(find(s, axis)->box, s.plot)) << axis;
        }
        for (const Sketch::Text& t : s.texts)
            if (t.text == "3" || t.text == "4") {
                EXPECT_LE(t.box.bottom(), s.plot.bottom() + 0.5);
            }
    }
}

TEST_F(GuiTest, TheHaliteSylviteLineTurnsDashedAtTheSolvusCrest) {
    Sketch s;
    pictures::drawCotecticLines(QSize(402, 346), &s);
    const auto c = pictures::geometry::cotecticLiquid(5, Globals::MaxSolvus(0) - 273.15);
    const QPointF crest(s.plot.left() + s.plot.width() * c.wNaCl, s.plot.bottom() - s.plot.height() * c.wKCl);
    int solidEnds = 0, dashed = 0;
    for (const Sketch::Line& l : s.lines) {
        if (l.what != "curve") continue;
        if (l.style == Qt::DashLine) {
            ++dashed;
            EXPECT_LT(QLineF(l.points.front(), crest).length(), 0.5);
        } else {
            solidEnds += QLineF(l.points.back(), crest).length() < 0.5;
        }
    }
    EXPECT_EQ(solidEnds, 1);
    EXPECT_EQ(dashed, 1);
}

// " 3. Binary eutectics = ..." continues on the next line under its "=".
TEST_F(GuiTest, TheBinaryEutecticsContinueUnderTheirEqualsSign) {
    const QLabel& list = DetailsRef()->label("StaticText1");
    const QStringList lines = list.text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7);
    const QFontMetricsF metrics(list.font());
    const double above = metrics.horizontalAdvance(lines[4].section(QLatin1Char('='), 0, 0));
    const double below = metrics.horizontalAdvance(lines[5].section(QLatin1Char('='), 0, 0));
    EXPECT_NEAR(below, above, 1.0);
    EXPECT_TRUE(lines[5].startsWith(QString(30, QLatin1Char(' ')) + QLatin1Char('=')));
}

// The isotherms at both pressures of its text, told apart by pen and legend;
// the two end points of the cotectic apart.
TEST_F(GuiTest, TheLiquidusSurfaceShowsBothPressuresAndBothEndPoints) {
    Sketch s;
    pictures::drawLiquidusSurface(QSize(315, 280), &s);
    int solid = 0, dashed = 0, ec = 0;
    for (const Sketch::Line& l : s.lines)
        if (l.what == "isotherm") (l.style == Qt::SolidLine ? solid : dashed) += 1;
    for (const Sketch::Text& t : s.texts)
        ec += t.text == "ec";
    EXPECT_GE(solid, 4);
    EXPECT_GE(dashed, 4);
    EXPECT_EQ(ec, 2);
    for (const char* pressure : {"50 MPa", "200 MPa"}) {
        ASSERT_NE(find(s, pressure), nullptr);
        EXPECT_TRUE(s.legend.contains(find(s, pressure)->box));
    }
    for (const char* t : {"400", "500", "600", "700"})
        EXPECT_NE(find(s, t), nullptr) << t;
    for (std::size_t i = 0; i < s.dots.size(); ++i)
        for (std::size_t j = i + 1; j < s.dots.size(); ++j)
            EXPECT_GT(QLineF(s.dots[i].center(), s.dots[j].center()).length(),
                      (s.dots[i].width() + s.dots[j].width()) / 2);
}

} // namespace
