#pragma once

// How fast the program's clock runs: 1 in the program, faster in the test build, which links
// another definition so that the program itself has no switch for it.
double programClockSpeed();
