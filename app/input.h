// The input poll at the start of every frame and the developer keys.
#pragma once

void pollInput();
void devKeys();
