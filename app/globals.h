// Creating and destroying the game's global objects, in one fixed order; the registry itself is framework/globals.h.
#pragma once

#include "framework/globals.h"

void createGlobals();
void destroyGlobals();
