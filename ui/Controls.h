// The control classes that windows are built from, each a thin Qt widget.
//
// Every control raises at most one event, which a window binds to one of its
// handlers (Window.h):
//   PushButton   Action      when clicked
//   RadioButton  Action      when it becomes the chosen one of its group, by a
//                            click or by code (not when it is cleared)
//   CheckBox     Action      whenever its value changes, by a click or by code
//   EditField    TextChange  whenever its text changes, by typing or by code
//   ScrollBar    ValueChanged
// Events raised by code run their handlers at once, inside the call that
// raised them.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <limits>

namespace ui {

// Index of a control that is no element of a control array.
inline constexpr int kNoIndex = std::numeric_limits<int>::min();

// A colour written as 0xRRGGBB (&cRRGGBB).
QColor rgb(unsigned value);
inline constexpr unsigned kBlack = 0x000000;
inline constexpr unsigned kRed = 0xFF0000;
inline constexpr unsigned kWhite = 0xFFFFFF;

// The element number of a control in its control array, kNoIndex otherwise.
int indexOf(const QWidget& control);

// A label. Its text size is in pixels; it remembers the size and colour it was
// created with, so that a result label that showed a small red message can go
// back to its normal look when it shows a value again.
//
// A text too wide or too tall for the label at its size is drawn smaller, as
// large as fits, down to kSmallestTextSize: a cut number would read as another
// number. The text size stays what it was set to.
class StaticText : public QLabel {
public:
    static constexpr int kSmallestTextSize = 6;

    explicit StaticText(QWidget* parent);

    // The font the text is drawn in: the label's own, or a smaller size of it.
    QFont shownFont() const;

    void setTextColor(unsigned rgbValue);
    unsigned textColor() const;
    void setTextSize(int pixels);
    int textSize() const;

    void keepCreatedStyle();
    void restoreCreatedStyle();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    unsigned createdColor_ = kBlack;
    int createdSize_ = 12;
};

class PushButton : public QPushButton {
public:
    explicit PushButton(QWidget* parent);
};

// A radio button of a group: the radio buttons with the same container (group
// box, rectangle or the window itself). Choosing one clears the others of its
// group. A group may have none chosen, and code may clear a choice. From the
// keyboard, Space chooses the focused button, and the arrow keys choose (and
// focus) the next or previous button of the group, in creation order, round
// from the last to the first.
class RadioButton : public QRadioButton {
public:
    explicit RadioButton(QWidget* parent);

    bool value() const { return isChecked(); }
    void setValue(bool chosen);

    // What choosing this button runs (the window's binding).
    std::function<void()> onChosen;

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CheckBox : public QCheckBox {
public:
    explicit CheckBox(QWidget* parent);

    bool value() const { return isChecked(); }
    void setValue(bool checked) { setChecked(checked); }
};

class GroupBox : public QGroupBox {
public:
    explicit GroupBox(QWidget* parent);
};

// A filled box with a border, used as a frame around result labels and as a
// pane that carries other controls.
class Rectangle : public QWidget {
public:
    explicit Rectangle(QWidget* parent);

    void setFillColor(unsigned rgbValue);
    void setBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    unsigned fill_ = kWhite;
    int borderWidth_ = 1;
};

// A straight line between two points given in its container's coordinates.
class Line : public QWidget {
public:
    explicit Line(QWidget* parent);

    void setEnds(QPoint from, QPoint to, int width);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    int width_ = 1;
};

class EditField : public QLineEdit {
public:
    explicit EditField(QWidget* parent);
};

// A picture drawn as the background of the control, from its top left corner;
// without a picture the control stays blank.
class Canvas : public QWidget {
public:
    explicit Canvas(QWidget* parent);

    void setBackdrop(const QPixmap& picture);
    const QPixmap& backdrop() const { return backdrop_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap backdrop_;
};

// A picture centred in the control; without a picture the control stays blank.
class ImageWell : public QWidget {
public:
    explicit ImageWell(QWidget* parent);

    void setImage(const QPixmap& picture);
    const QPixmap& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap image_;
};

class ScrollBar : public QScrollBar {
public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent);
};

} // namespace ui
