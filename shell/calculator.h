#pragma once
// Starting the desktop's calculator program without waiting for it. Which
// program that is depends on the platform, and is decided here only.

// True when a calculator program was found and started.
bool startCalculator();
