// Three pages of units and symbols on a tall pane that a scroll bar moves.
#pragma once

#include "ui/Window.h"

class Units : public ui::Window {
public:
    Units();

    void ScrollBar1_ValueChanged();
    void Event_Resizing();
};

Units* Units();
