// The phase diagram of the SLV surface with a worked example.
#pragma once

#include "ui/Window.h"

class Details1 : public ui::Window {
public:
    Details1();
};

Details1* Details1();
