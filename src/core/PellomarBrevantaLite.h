#pragma once

#include <QString>

// The program entry: single-instance guard, splash, windows, message loop.
int PellomarMain(int argc, char* argv[]);
