#include "program_values.h"

namespace {
ProgramValues values;
}

ProgramValues& programValues() { return values; }

void resetProgramValues() { values = ProgramValues{}; }
