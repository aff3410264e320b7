// The window pattern: every window of the program is a class with one
// instance, built from a property set and a table of controls, with control
// events bound to member functions named after the control and the event.
//
// A window class looks like this (see app/Start2.cpp for a whole one):
//
// clang-format off
//   // Start2.h
//   class Start2 : public ui::Window {
//   public:
//       Start2();
//       void PushButton1_Action();
//   };
//   Start2* Start2(); // the accessor: the open instance, or a new one
//
//   // Start2.cpp
//   namespace {
//   using enum ui::Kind;
//   const ui::WindowProperties kWindow{"Start2", "Liquidus Model", 420, 485};
//   const ui::Control kControls[] = {
//       // name          kind         text or caption    left top  width height  other
//       {"PushButton1",  PushButton,  "continue",         330, 440,  75,  25,  {.isDefault = true}},
//       {"Model",        GroupBox,    "Model ",            20, 140, 380, 100,  {.textSize = 16, .italic = true}},
//       {"Empirical",    RadioButton, "Purely empirical",  40, 175, 340,  20,  {.in = "Model", .value = true}},
//   };
//   const ui::Binding kBindings[] = {UI_BIND(Start2, PushButton1, Action)};
//   } // namespace
//   Start2::Start2() : ui::Window(kWindow) { build(kControls, kBindings); }
//   Start2* Start2() { return ui::implicitInstance<class Start2>(); }
// clang-format on
//
// The accessor has the name of its class; outside the class write `auto*` or
// `class Start2*` for the type. Handlers find every control by name:
// `label("Result1").setText(...)`, `field("dataEntry1").text()`,
// `radio("Mass").value()`, and control-array elements by name and index:
// `label("StaticText2", 1)`.
#pragma once

#include "Controls.h"
#include "Fonts.h"

#include <QAnyStringView>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <stdexcept>
#include <vector>

class QVBoxLayout;
class QMenuBar;

namespace ui {

enum class Kind {
    StaticText,
    PushButton,
    RadioButton,
    CheckBox,
    GroupBox,
    Rectangle,
    // For a Line the four numbers of its row are the end points X1, Y1, X2, Y2.
    Line,
    EditField,
    Canvas,
    ImageWell,
    ScrollBar,
};

// A picture accessor of the picture cache: the picture, or a null pixmap when
// it is missing (the control then stays blank).
using PictureAccessor = QPixmap (*)();

// The properties of a control beyond name, kind, text and place. Write only
// those that differ from the defaults, as designated initialisers in the order
// of declaration below: {.in = "Model", .textSize = 14, .value = true}.
struct Style {
    const char* in = "";  // the container (group box, rectangle or label) it lies in
    int index = kNoIndex; // element number in a control array
    int textSize = 12;    // pixels; 0 means the default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool multiline = false;            // a label wraps its text
    int align = 0;                     // 0 left, 1 centre
    unsigned textColor = kBlack;       // 0xRRGGBB
    const char* font = "System";       // "System"/"system" is the program's interface font
    bool value = false;                // radio button chosen, check box checked
    bool isDefault = false;            // push button pressed by Return, one per window
    PictureAccessor picture = nullptr; // canvas backdrop, image-well image
    unsigned fillColor = kWhite;       // rectangle
    int borderWidth = 1;               // rectangle border, line width
    int minimum = 0;                   // scroll bar
    int maximum = 100;
    int scrollValue = 0;
    int lineStep = 1;
    int pageStep = 10;
    bool liveScroll = true;
};

// One row of a window's control table. Place and size are in pixels in the
// window's content coordinates, also for a control inside a container.
struct Control {
    const char* name;
    Kind kind;
    const char* text; // the text of a label or edit field, the caption of the others
    int left, top, width, height;
    Style style = {};
};

struct WindowProperties {
    const char* className; // also the window's objectName
    const char* title;
    int width, height;   // the content, below the menu bar
    bool visible = true; // shown as soon as it is built
    bool resizeable = false;
    int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
};

enum class Event {
    Action,       // push buttons, radio buttons, check boxes
    TextChange,   // edit fields
    ValueChanged, // scroll bars
    Activate,     // the window became the active window (window event)
    Resizing,     // the window's size changed (window event)
};

class Window;

// One handler bound to a control event (or, with an empty control name, to a
// window event). Write the rows with UI_BIND and UI_BIND_WINDOW.
struct Binding {
    const char* control;
    Event event;
    void (*invoke)(Window& window);
    const char* handlerName;
};

template <class T> struct MemberOf;
template <class C> struct MemberOf<void (C::*)()> { using Class = C; };

template <auto handler> void invokeHandler(Window& window) {
    using W = typename MemberOf<decltype(handler)>::Class;
    (static_cast<W&>(window).*handler)();
}

// The handler of a control event is the member function named after the
// control and the event, so the name in the table and the name of the
// function cannot differ: UI_BIND(Start2, PushButton1, Action) binds
// Start2::PushButton1_Action to the Action of PushButton1.
// clang-format off
#define UI_BIND(Class, control, event) \
    ::ui::Binding{#control, ::ui::Event::event, &::ui::invokeHandler<&Class::control##_##event>, #control "_" #event}
// A window event goes to the member function Event_<event>.
#define UI_BIND_WINDOW(Class, event) \
    ::ui::Binding{"", ::ui::Event::event, &::ui::invokeHandler<&Class::Event_##event>, "Event_" #event}
// clang-format on

// Raised by a lookup that finds no control of the name, or one of another
// class. Handlers do not catch it; the window reports it and the handler ends.
class NilObjectException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Installed by the application: builds the menu bar that every window shows.
using MenuBarFactory = std::function<QMenuBar*()>;
void setMenuBarFactory(MenuBarFactory factory);

class Window : public QWidget {
public:
    explicit Window(const WindowProperties& properties);
    ~Window() override;

    // Makes the window visible and brings it to the front, contents kept.
    void Show();

    const WindowProperties& properties() const { return properties_; }
    QWidget& content() const { return *content_; }

    // Control lookup by name (and index for an element of a control array).
    // find() answers nullptr; the others raise NilObjectException.
    QWidget* find(QAnyStringView name, int index = kNoIndex) const;
    template <class T> T& control(QAnyStringView name, int index = kNoIndex) const;
    StaticText& label(QAnyStringView name, int index = kNoIndex) const {
        return control<StaticText>(name, index);
    }
    EditField& field(QAnyStringView name) const { return control<EditField>(name); }
    PushButton& button(QAnyStringView name) const { return control<PushButton>(name); }
    RadioButton& radio(QAnyStringView name) const { return control<RadioButton>(name); }
    CheckBox& checkBox(QAnyStringView name) const { return control<CheckBox>(name); }
    GroupBox& groupBox(QAnyStringView name) const { return control<GroupBox>(name); }
    Rectangle& rectangle(QAnyStringView name) const { return control<Rectangle>(name); }
    Line& line(QAnyStringView name) const { return control<Line>(name); }
    Canvas& canvas(QAnyStringView name) const { return control<Canvas>(name); }
    ImageWell& imageWell(QAnyStringView name) const { return control<ImageWell>(name); }
    ScrollBar& scrollBar(QAnyStringView name) const { return control<ScrollBar>(name); }

    // Every control in creation order.
    const std::vector<QWidget*>& controls() const { return controls_; }
    // The button that Return presses, the only one drawn as the default.
    PushButton* defaultButton() const { return defaultButton_; }

    // True while a handler of any window runs; a window cannot be closed then.
    static bool handlerRunning();

    // Shows the window if its property set says it is visible; the accessor
    // calls it once the window is built.
    void finishBuilding();

protected:
    // Creates the controls of `table` in its order, then binds the handlers.
    void build(std::span<const Control> table, std::span<const Binding> bindings = {});

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControl(const Control& row);
    void bindEvent(const Binding& binding);
    void dispatch(const std::function<void()>& handler, const QString& what);
    [[noreturn]] void raiseNil(QAnyStringView name, int index, const char* why) const;

    WindowProperties properties_;
    QWidget* content_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    std::vector<QWidget*> controls_;
    PushButton* defaultButton_ = nullptr;
    std::function<void()> onActivate_;
    std::function<void()> onResizing_;
};

template <class T> T& Window::control(QAnyStringView name, int index) const {
    QWidget* found = find(name, index);
    if (!found) raiseNil(name, index, "no control of this name");
    T* typed = dynamic_cast<T*>(found);
    if (!typed) raiseNil(name, index, "control of another class");
    return *typed;
}

// The accessor of window class W: the open instance, or a newly built one
// (visible at once when its property set says so). A window that the user
// closed is gone; the next request builds a fresh one.
template <class W> W* implicitInstance() {
    static QPointer<W> instance;
    if (!instance) {
        instance = new W;
        instance->finishBuilding();
    }
    return instance.data();
}

// Every open window, for the shutdown.
std::vector<Window*> openWindows();

} // namespace ui
