// The liquidus surface of the thermodynamic model with isotherms.
#pragma once

#include "ui/Window.h"

class DetailsThermo : public ui::Window {
public:
    DetailsThermo();
};

DetailsThermo* DetailsThermo();
