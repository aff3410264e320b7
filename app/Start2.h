// The chooser: one of two models and one of four calculation modes, and
// "continue" shows the calculator of that pair.
#pragma once

#include "ui/Window.h"

class Start2 : public ui::Window {
public:
    Start2();

    void PushButton1_Action();
};

Start2* Start2();
