// The start window: what the program is, and "continue" to the chooser.
#pragma once

#include "ui/Window.h"

class Start1 : public ui::Window {
public:
    Start1();

    void continue1_Action();
};

Start1* Start1();
