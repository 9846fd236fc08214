// Sound effects as the game plays them: only while sounds are switched on, and a
// missing file is reported without stopping play.
#pragma once

#include <string>

struct GameState;
class Platform;

// Plays programDir + `relative` ("Wav/Gold.Wav"). With sounds off it does not even
// look for the file; a missing file shows "Can't gind file " + path.
void PlayWave(const GameState& gs, Platform& p, const std::string& relative, bool async = true);
