// The program's one pseudo-random generator, from which the triangle lessons
// draw their random figures. Whole numbers only, uniform, no modulo bias.
#pragma once

#include <cstdint>

// Seeds the generator from the clock, as a lesson does when it opens.
void Randomize();
// Seeds the generator with a fixed value, so that a sequence can be repeated
// (tests, the picture tool).
void SetzeZufallsKeim(std::uint64_t keim);
// Replaces the clock of Randomize() by a counter that starts from `keim`, so
// that a whole run with windows opened again and again can be repeated (the
// random-event test replays a failure this way).
void FesteZufallsUhr(std::uint64_t keim);
// A whole number r with 0 <= r < n, every value equally likely; 0 for n <= 0.
int Random(int n);
