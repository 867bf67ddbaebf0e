#include "ProgramClock.h"

// The test build's clock runs five times as fast: a pause takes one second.
double programClockSpeed() {
    return 5.0;
}
