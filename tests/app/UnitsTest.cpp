#include "support/GuiTest.h"
