#pragma once
// Generated outlines for the benchmarks: realistic shape, fixed seed.

#include "document/outline_tree.h"

#include <QByteArray>
#include <random>

// Random letters, digits and blanks.
QByteArray randomText(std::mt19937& rng, int length);

// `items` items in depth-first order, levels 0 to 5 with varying child counts,
// each with a 20-character caption, a two-line body of about 100 characters, a
// date within six years, a percentage and a priority; rolled up as saved.
OutlineTree generateOutline(int items);
