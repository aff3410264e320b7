#include "Controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

QColor rgb(unsigned value) {
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int indexOf(const QWidget& control) {
    const QVariant index = control.property("Index");
    return index.isValid() ? index.toInt() : kNoIndex;
}

StaticText::StaticText(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

QFont StaticText::shownFont() const {
    QFont shown = font();
    QString shownText = text();
    while (shownText.endsWith(QLatin1Char('\n'))) // trailing empty lines show nothing
        shownText.chop(1);
    const QStringList lines = shownText.split(QLatin1Char('\n'));
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    for (int pixels = shown.pixelSize(); pixels > kSmallestTextSize; --pixels) {
        shown.setPixelSize(pixels);
        const QFontMetrics fm(shown);
        QSize need(0, int(lines.size()) * fm.height());
        if (wordWrap()) {
            need = fm.boundingRect(QRect(0, 0, width(), 100000), flags, shownText).size();
        } else {
            for (const QString& line : lines)
                need.setWidth(std::max(need.width(), fm.horizontalAdvance(line)));
        }
        if (need.width() <= width() && need.height() <= height()) return shown;
    }
    if (shown.pixelSize() > kSmallestTextSize) shown.setPixelSize(kSmallestTextSize);
    return shown;
}

void StaticText::paintEvent(QPaintEvent* event) {
    const QFont shown = shownFont();
    if (shown.pixelSize() == font().pixelSize()) {
        QLabel::paintEvent(event);
        return;
    }
    // One line keeps the baseline of the label's own size, in line with the
    // labels beside it.
    int down = 0;
    if (!wordWrap() && !text().contains(QLatin1Char('\n'))) {
        const QFontMetrics own(font()), small(shown);
        down = std::clamp(own.ascent() - small.ascent(), 0, std::max(0, height() - small.height()));
    }
    QPainter p(this);
    p.setFont(shown);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(0, down, 0, 0), int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0),
               text());
}

void StaticText::setTextColor(unsigned rgbValue) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, rgb(rgbValue));
    setPalette(p);
}

unsigned StaticText::textColor() const {
    return palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

void StaticText::setTextSize(int pixels) {
    QFont f = font();
    f.setPixelSize(pixels > 0 ? pixels : 12);
    setFont(f);
}

int StaticText::textSize() const {
    return font().pixelSize();
}

void StaticText::keepCreatedStyle() {
    createdColor_ = textColor();
    createdSize_ = textSize();
}

void StaticText::restoreCreatedStyle() {
    if (textSize() != createdSize_) setTextSize(createdSize_);
    if (textColor() != createdColor_) setTextColor(createdColor_);
}

PushButton::PushButton(QWidget* parent) : QPushButton(parent) {}

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    // The group rules are ours: Qt's own exclusivity would forbid a group
    // without a choice.
    setAutoExclusive(false);
}

void RadioButton::setValue(bool chosen) {
    if (chosen == isChecked()) return;
    if (!chosen) {
        setChecked(false);
        return;
    }
    if (QWidget* group = parentWidget()) {
        for (RadioButton* other : group->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->isChecked()) other->setChecked(false);
    }
    setChecked(true);
    if (onChosen) onChosen();
}

void RadioButton::nextCheckState() {
    // A click chooses; clicking the chosen button changes nothing.
    if (!isChecked()) setValue(true);
}

void RadioButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    // Qt moves only the focus here, as our buttons are not auto-exclusive,
    // which would leave the old choice standing behind the focused button.
    QWidget* group = parentWidget();
    if (!group) return;
    const QList<RadioButton*> buttons = group->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly);
    const auto count = buttons.size();
    qsizetype at = buttons.indexOf(this);
    for (qsizetype tried = 1; tried < count; ++tried) {
        at = (at + step + count) % count;
        RadioButton* next = buttons[at];
        if (!next->isEnabled() || next->isHidden()) continue;
        next->setFocus(Qt::OtherFocusReason);
        next->setValue(true);
        break;
    }
    event->accept();
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {}

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {}

Rectangle::Rectangle(QWidget* parent) : QWidget(parent) {}

void Rectangle::setFillColor(unsigned rgbValue) {
    fill_ = rgbValue;
    update();
}

void Rectangle::setBorderWidth(int pixels) {
    borderWidth_ = pixels;
    update();
}

void Rectangle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), rgb(fill_));
    if (borderWidth_ > 0) {
        const QColor black = rgb(kBlack);
        const int b = borderWidth_;
        p.fillRect(0, 0, width(), b, black);
        p.fillRect(0, height() - b, width(), b, black);
        p.fillRect(0, 0, b, height(), black);
        p.fillRect(width() - b, 0, b, height(), black);
    }
}

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(QPoint from, QPoint to, int width) {
    from_ = from;
    to_ = to;
    width_ = width > 0 ? width : 1;
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int w = std::max(std::abs(to.x() - from.x()), width_);
    const int h = std::max(std::abs(to.y() - from.y()), width_);
    setGeometry(left, top, w, h);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (from_.x() == to_.x() || from_.y() == to_.y()) {
        p.fillRect(rect(), rgb(kBlack));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rgb(kBlack), width_));
    p.drawLine(from_ - pos(), to_ - pos());
}

EditField::EditField(QWidget* parent) : QLineEdit(parent) {}

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::setBackdrop(const QPixmap& picture) {
    backdrop_ = picture;
    update();
}

void Canvas::paintEvent(QPaintEvent*) {
    if (backdrop_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, backdrop_);
}

ImageWell::ImageWell(QWidget* parent) : QWidget(parent) {}

void ImageWell::setImage(const QPixmap& picture) {
    image_ = picture;
    update();
}

void ImageWell::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    const QSize size = image_.deviceIndependentSize().toSize();
    p.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, image_);
}

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

} // namespace ui
