// Lines for the scripts and tests that drive the game from outside. With
// VESTRAN_REPORT set (and not "0") in the environment, report("ready") writes
// "vestran: ready (1234 ms)" on stderr: the event and the milliseconds since the
// program started. Without it nothing is written. The game reports:
//   ready          its event loop runs and signals are watched
//   round 1        a battle's first round begins
//   result window  a battle's victory or defeat window has been shown
#pragma once

void report(const char* event);
