#include "Units.h"

#include "Pictures.h"

namespace {

using enum ui::Kind;

// The pane is 1450 pixels tall; the window shows 400 to 1450 of it.
constexpr int kPaneHeight = 1450;

const ui::WindowProperties kWindow{.className = "Units",
                                   .title = "Units and Symbols",
                                   .width = 555,
                                   .height = 700,
                                   .resizeable = true,
                                   .minWidth = 555,
                                   .minHeight = 400,
                                   .maxWidth = 555,
                                   .maxHeight = kPaneHeight};

constexpr const char* kNote =
    "The units and symbols of the calculation windows of Brinolith. Molar masses and the gas "
    "constant are the values that the calculations use.";

// clang-format off
const ui::Control kControls[] = {
    // name          kind        text   left top  width height  other
    {"Rectangle1",   Rectangle,  nullptr,  0,   0, 540, 1450, {.borderWidth = 0}},
    {"Canvas1",      Canvas,     nullptr, 20, 115, 500,  384, {.in = "Rectangle1", .picture = &pictures::unit1_500}},
    {"ScrollBar1",   ScrollBar,  nullptr, 540,  0,  15,  685, {.maximum = 750, .pageStep = 700, .liveScroll = false}},
    {"Canvas2",      Canvas,     nullptr, 20, 510, 500,  285, {.in = "Rectangle1", .picture = &pictures::unit2_500}},
    {"Canvas3",      Canvas,     nullptr, 20, 810, 500,  611, {.in = "Rectangle1", .picture = &pictures::unit3_500}},
    {"StaticText1",  StaticText, kNote,   65,  20, 408,   79, {.in = "Rectangle1", .multiline = true}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Units, ScrollBar1, ValueChanged),
    UI_BIND_WINDOW(Units, Resizing),
};

} // namespace

Units::Units() : ui::Window(kWindow) {
    build(kControls, kBindings);
}

void Units::ScrollBar1_ValueChanged() {
    ui::Rectangle& pane = rectangle("Rectangle1");
    pane.move(pane.x(), -scrollBar("ScrollBar1").value());
    pane.update();
}

void Units::Event_Resizing() {
    const int height = content().height();
    ui::ScrollBar& bar = scrollBar("ScrollBar1");
    bar.resize(bar.width(), height - 15);
    bar.setMaximum(kPaneHeight - height);
}

class Units* Units() {
    return ui::implicitInstance<class Units>();
}
