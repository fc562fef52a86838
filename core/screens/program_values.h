#pragma once
// The five values that live for the whole run of the program. Everything else
// belongs to the open screen and goes when it closes.

#include <cstdint>

struct ProgramValues {
    int16_t ZahyoKei = 8;              // current zone: 0 arbitrary, 1-19 plane rectangular zones
    uint32_t BackColor = 0x00FFC0C0;   // main window background, 0x00BBGGRR
    int16_t KeisanKeta = 3;            // decimals of the results, 3 or 6
    int16_t KeisanSyurui = 0;          // kind chosen in a second-level catalogue
    int16_t ErrFlag = 0;               // 1 after the shared error dialog reported an error
};

// The program's one set of values.
ProgramValues& programValues();

// Back to the values of a fresh start (for tests).
void resetProgramValues();
