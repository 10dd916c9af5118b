// The champions ranking of the profiles, and the best time of every level with its file.
#pragma once

#include <string>

// Size of "besttimes.ppp": 80 records of a time and a 12-character name.
constexpr int BESTTIMES_NAME_CHARS = 12;
constexpr int BESTTIMES_RECORD_BYTES = 4 + BESTTIMES_NAME_CHARS;
constexpr int BESTTIMES_FILE_BYTES = 80 * BESTTIMES_RECORD_BYTES;

void rankChampions();
// A row of the ranking that holds no player: empty, or a free profile slot (it ranks with a blank name).
bool champRowFree(int row);
void resetBestTimes();
void loadBestTimes();
int saveBestTimes();
// A won level: its play time becomes the best time when faster than the stored one or none is stored; saves then.
// Returns 1 when a new best time was recorded.
int recordBestTime(int level, int seconds, const std::string& name);
std::string bestTimesPath();
