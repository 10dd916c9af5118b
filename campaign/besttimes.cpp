// Best times file (the ranking and file format arrive with the champions work).
#include "campaign/besttimes.h"

#include "app/globals.h"

void resetBestTimes()
{
    for (int i = 1; i <= 80; ++i) {
        g_bestTime[i] = -1;
        g_bestTimeName[i].clear();
    }
}

void loadBestTimes() {}
