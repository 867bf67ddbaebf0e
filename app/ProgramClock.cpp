#include "ProgramClock.h"

double programClockSpeed() {
    return 1.0;
}
