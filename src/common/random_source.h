#pragma once

#include <functional>

namespace zq {

// The program's one source of uniform random numbers in [0, 1). By default it draws from the
// operating system's secure generator, so no two runs of the program repeat each other.
double RandomValue();

// A whole number from 1 to n: the whole part of r · n, plus 1.
int RandomWhole(int n);

// Replaces the source (tests inject a fixed sequence); an empty source restores the secure
// one. Returns the source that was in place.
using RandomSource = std::function<double()>;
RandomSource setRandomSource(RandomSource source);

} // namespace zq
