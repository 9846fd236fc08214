// Lines for the scripts and tests that drive the game from outside. With
// VESTRAN_REPORT set (and not "0") in the environment, report("ready") writes
// "vestran: ready (1234 ms)" on stderr: the event and the milliseconds since the
// program started. Without it nothing is written. The game reports:
//   ready          its first window is up, every window exists and signals are
//                  watched
//   round 1        a battle's first round begins
//   result window  a battle's victory or defeat window has been shown
//   application    the application object is made (fonts and the display open)
//   start window created  the first window exists
//   windows created every window exists
//   first frame    the first window is on screen and painted (with the clock)
#pragma once

void report(const char* event);
// Whether reports are asked for (VESTRAN_REPORT).
bool reporting();
// As report(), with the wall clock appended, for a script that times the program
// from before its launch: "vestran: first frame (63 ms, clock 1765370000123456 us)".
void reportWithClock(const char* event);
