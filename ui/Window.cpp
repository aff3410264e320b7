#include "Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ui {

namespace {

MenuBarFactory& menuBarFactory() {
    static MenuBarFactory factory;
    return factory;
}

int runningHandlers = 0;

QFont controlFont(const Style& style) {
    QFont font(fontFamily(QString::fromUtf8(style.font)));
    font.setPixelSize(style.textSize > 0 ? style.textSize : 12);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

const char* eventName(Event event) {
    switch (event) {
    case Event::Action:
        return "Action";
    case Event::TextChange:
        return "TextChange";
    case Event::ValueChanged:
        return "ValueChanged";
    case Event::Activate:
        return "Activate";
    case Event::Resizing:
        return "Resizing";
    }
    return "?";
}

} // namespace

void setMenuBarFactory(MenuBarFactory factory) {
    menuBarFactory() = std::move(factory);
}

Window::Window(const WindowProperties& properties) : properties_(properties) {
    setObjectName(QString::fromUtf8(properties.className));
    setWindowTitle(QString::fromUtf8(properties.title));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    if (menuBarFactory()) layout_->setMenuBar(menuBarFactory()());

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    QPalette white = content_->palette();
    white.setColor(QPalette::Window, rgb(kWhite));
    content_->setPalette(white);
    content_->setAutoFillBackground(true);
    layout_->addWidget(content_);

    if (properties.resizeable) {
        content_->setMinimumSize(properties.minWidth, properties.minHeight);
        content_->setMaximumSize(properties.maxWidth, properties.maxHeight);
        layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    } else {
        content_->setFixedSize(properties.width, properties.height);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    }
    layout_->activate();
    const int menuHeight = layout_->menuBar() ? layout_->menuBar()->sizeHint().height() : 0;
    resize(properties.width, properties.height + menuHeight);
}

Window::~Window() = default;

void Window::Show() {
    show();
    raise();
    activateWindow();
}

void Window::finishBuilding() {
    if (properties_.visible) show();
}

bool Window::handlerRunning() {
    return runningHandlers > 0;
}

QWidget* Window::find(QAnyStringView name, int index) const {
    for (QWidget* c : controls_) {
        if (QAnyStringView::equal(c->objectName(), name) && indexOf(*c) == index) return c;
    }
    return nullptr;
}

void Window::raiseNil(QAnyStringView name, int index, const char* why) const {
    QString what = objectName() + QLatin1Char('.') + name.toString();
    if (index != kNoIndex) what += QStringLiteral("(%1)").arg(index);
    throw NilObjectException((what + QStringLiteral(": ") + QString::fromUtf8(why)).toStdString());
}

void Window::createControl(const Control& row) {
    const Style& s = row.style;
    const QString name = QString::fromUtf8(row.name);
    const QString text = QString::fromUtf8(row.text ? row.text : "");

    // The container comes earlier in the table; places stay in window
    // coordinates, so a control inside one is moved by its container's corner.
    QWidget* parent = content_;
    QPoint origin(0, 0);
    if (s.in && *s.in) {
        QWidget* container = find(QString::fromUtf8(s.in));
        if (container) {
            parent = container;
            origin = container->mapTo(content_, QPoint(0, 0));
        } else {
            qWarning("%s.%s: container %s is not created before it", properties_.className, row.name, s.in);
        }
    }
    const QRect place(row.left - origin.x(), row.top - origin.y(), row.width, row.height);

    QWidget* widget = nullptr;
    switch (row.kind) {
    case Kind::StaticText: {
        auto* label = new StaticText(parent);
        label->setText(text);
        label->setWordWrap(s.multiline);
        label->setAlignment((s.align == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setFont(controlFont(s));
        label->setTextColor(s.textColor);
        label->keepCreatedStyle();
        widget = label;
        break;
    }
    case Kind::PushButton: {
        auto* button = new PushButton(parent);
        button->setText(text);
        button->setFont(controlFont(s));
        button->setAutoDefault(false);
        // A window has one default button, the one that Return presses; a
        // second one would look like it but never be pressed.
        if (s.isDefault && defaultButton_) {
            qWarning("%s.%s: a second default button; Return presses %s", properties_.className, row.name,
                     qPrintable(defaultButton_->objectName()));
        } else if (s.isDefault) {
            button->setDefault(true);
            defaultButton_ = button;
        }
        widget = button;
        break;
    }
    case Kind::RadioButton: {
        auto* radio = new RadioButton(parent);
        radio->setText(text);
        radio->setFont(controlFont(s));
        radio->setChecked(s.value);
        widget = radio;
        break;
    }
    case Kind::CheckBox: {
        auto* box = new CheckBox(parent);
        box->setText(text);
        box->setFont(controlFont(s));
        box->setChecked(s.value);
        widget = box;
        break;
    }
    case Kind::GroupBox: {
        auto* group = new GroupBox(parent);
        group->setTitle(text);
        group->setFont(controlFont(s));
        widget = group;
        break;
    }
    case Kind::Rectangle: {
        auto* rectangle = new Rectangle(parent);
        rectangle->setFillColor(s.fillColor);
        rectangle->setBorderWidth(s.borderWidth);
        widget = rectangle;
        break;
    }
    case Kind::Line: {
        auto* line = new Line(parent);
        line->setEnds(QPoint(row.left, row.top) - origin, QPoint(row.width, row.height) - origin,
                      s.borderWidth);
        widget = line;
        break;
    }
    case Kind::EditField: {
        auto* field = new EditField(parent);
        field->setFont(controlFont(s));
        field->setText(text);
        widget = field;
        break;
    }
    case Kind::Canvas: {
        auto* canvas = new Canvas(parent);
        if (s.picture) canvas->setBackdrop(s.picture());
        widget = canvas;
        break;
    }
    case Kind::ImageWell: {
        auto* well = new ImageWell(parent);
        if (s.picture) well->setImage(s.picture());
        widget = well;
        break;
    }
    case Kind::ScrollBar: {
        auto* bar = new ScrollBar(row.height >= row.width ? Qt::Vertical : Qt::Horizontal, parent);
        bar->setRange(s.minimum, s.maximum);
        bar->setValue(s.scrollValue);
        bar->setSingleStep(s.lineStep);
        bar->setPageStep(s.pageStep);
        bar->setTracking(s.liveScroll);
        widget = bar;
        break;
    }
    }

    widget->setObjectName(name);
    widget->setProperty("Index", s.index);
    if (row.kind != Kind::Line) widget->setGeometry(place);
    widget->show();

    const QRect inParent = widget->geometry();
    if (parent != content_ && !parent->rect().contains(inParent)) {
        qWarning("%s.%s lies partly outside its container %s", properties_.className, row.name, s.in);
    }
    controls_.push_back(widget);
}

void Window::build(std::span<const Control> table, std::span<const Binding> bindings) {
    for (const Control& row : table)
        createControl(row);
    for (const Binding& binding : bindings)
        bindEvent(binding);
}

void Window::bindEvent(const Binding& binding) {
    const Event event = binding.event;
    const QString label = objectName() + QLatin1Char('.') + QString::fromUtf8(binding.handlerName);
    auto invoke = binding.invoke;
    auto run = [this, invoke, label] { dispatch([this, invoke] { invoke(*this); }, label); };

    if (event == Event::Activate) {
        onActivate_ = run;
        return;
    }
    if (event == Event::Resizing) {
        onResizing_ = run;
        return;
    }

    QWidget* target = find(QString::fromUtf8(binding.control));
    bool bound = false;
    if (auto* button = dynamic_cast<PushButton*>(target); button && event == Event::Action) {
        connect(button, &QPushButton::clicked, this, run);
        bound = true;
    } else if (auto* radio = dynamic_cast<RadioButton*>(target); radio && event == Event::Action) {
        radio->onChosen = run;
        bound = true;
    } else if (auto* box = dynamic_cast<CheckBox*>(target); box && event == Event::Action) {
        connect(box, &QCheckBox::toggled, this, run);
        bound = true;
    } else if (auto* field = dynamic_cast<EditField*>(target); field && event == Event::TextChange) {
        connect(field, &QLineEdit::textChanged, this, run);
        bound = true;
    } else if (auto* bar = dynamic_cast<ScrollBar*>(target); bar && event == Event::ValueChanged) {
        connect(bar, &QScrollBar::valueChanged, this, run);
        bound = true;
    }
    if (!bound) qWarning("%s: no control %s raises %s", qPrintable(label), binding.control, eventName(event));
}

void Window::dispatch(const std::function<void()>& handler, const QString& what) {
    ++runningHandlers;
    try {
        handler();
    } catch (const std::exception& e) {
        qCritical("Unhandled exception in %s: %s", qPrintable(what), e.what());
    }
    --runningHandlers;
}

bool Window::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && onActivate_) {
        const bool result = QWidget::event(e);
        onActivate_();
        return result;
    }
    if (e->type() == QEvent::Resize && onResizing_) {
        const bool result = QWidget::event(e);
        onResizing_();
        return result;
    }
    return QWidget::event(e);
}

void Window::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && defaultButton_ &&
        defaultButton_->isEnabled() && defaultButton_->isVisible()) {
        defaultButton_->click();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Window::closeEvent(QCloseEvent* e) {
    // A calculation that yields to the event loop still runs in one of the
    // windows; none may go away under it.
    if (handlerRunning()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

std::vector<Window*> openWindows() {
    std::vector<Window*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<Window*>(w)) windows.push_back(window);
    }
    return windows;
}

} // namespace ui
