// The adventure map without a window, for the commands that press its keys.
#pragma once

#include <string>

#include "core/adventure/Movement.h"

// The key letters of walk and replay: 1..9 as on the numeric keypad, L R U D (either
// case), '.' for Space; MapKey::None for any other.
MapKey toolMapKey(char c);

// A map that neither draws nor plays anything; what a step opens is the command's
// (each command overrides the windows it answers).
using SilentMap = NullStepView;
