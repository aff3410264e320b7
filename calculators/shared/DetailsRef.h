// The stability fields of the solids in mass fractions, with reference points.
#pragma once

#include "ui/Window.h"

class DetailsRef : public ui::Window {
public:
    DetailsRef();
};

DetailsRef* DetailsRef();
