// The pictures of the program, drawn with QPainter at the size of the control
// that shows them. The diagrams are computed from the equations library.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

namespace pictures {

// What every picture is drawn with: the program's text font at a pixel size,
// and a white sheet.
QFont pictureFont(int pixels, bool bold = false, bool italic = false);
QPixmap whitePicture(QSize size);

QPixmap drawLogo(QSize size);
QPixmap drawComponents(QSize size);
QPixmap drawFluidInclusion(QSize size);

// What a diagram put on its sheet, in its pixels, so that a test can see
// that its words stand clear of its lines and of each other.
struct Sketch {
    struct Text {
        QString text;
        QRectF box; // the box the text takes, line height included
    };
    struct Line {
        QString what; // "curve", "isotherm", "join", "axis", "tick", "leader", "frame"
        std::vector<QPointF> points;
        Qt::PenStyle style;
    };
    QRectF plot; // the frame of the plot or the triangle's bounding box
    QRectF legend;
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<QRectF> dots;
};

QPixmap drawStabilityFields(QSize size, Sketch* sketch = nullptr);
QPixmap drawSlvPhaseDiagram(QSize size, Sketch* sketch = nullptr);
QPixmap drawCotecticLines(QSize size, Sketch* sketch = nullptr);
QPixmap drawLiquidusSurface(QSize size, Sketch* sketch = nullptr);

QPixmap drawUnitsPage(int page, QSize size);

} // namespace pictures
