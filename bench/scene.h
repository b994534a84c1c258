#pragma once

#include "model/module1.h"

// The largest scene the tables hold: 3000 points and 3000 drawing moves whose segments run
// across the largest drawing area (1424 x 865), points, lines and axes on.
void grossesModell(wyk::Module1& m);

// Writes that model as a model file and returns its path.
QString grosseModellDatei(const wyk::Module1& m);
