// Single notes of the instruments shared by the sound effects and the music, each rendered as a mono buffer.
#pragma once

#include <cstdint>

#include "content/audio/dsp.h"

namespace synth {

// `len` is how long the key is held, `total` the buffer length in seconds (release included).
Mono pluckNote(double hz, double total, double brightness, uint64_t seed);
Mono chimeNote(double hz, double total, double decay);
Mono bellNote(double hz, double total, double decay);
Mono marimbaNote(double hz, double total);
Mono epianoNote(double hz, double len, double total, double vel);
Mono padNote(double hz, double len, double total, double cutoff, uint64_t seed);
Mono stringsNote(double hz, double len, double total, uint64_t seed);
Mono brassNote(double hz, double len, double total, double vel);
Mono fluteNote(double hz, double len, double total, uint64_t seed);
Mono leadNote(double hz, double len, double total);
Mono bassNote(double hz, double len, double total);
Mono subBassNote(double hz, double len, double total);
Mono kickDrum(double total);
Mono snareDrum(double total, uint64_t seed);
Mono hatDrum(double total, double decay, uint64_t seed);
Mono shakerDrum(double total, uint64_t seed);
Mono clapDrum(double total, uint64_t seed);
Mono timpaniDrum(double hz, double total, uint64_t seed);
Mono cymbalDrum(double total, uint64_t seed);

// Adds `src` scaled by `gain` into `dst` from sample `at`, clipped to the buffer.
void mixInto(Mono& dst, const Mono& src, long at, double gain);

}   // namespace synth
