// Best time per level and the champions ranking.
#pragma once

void resetBestTimes();
void loadBestTimes();
