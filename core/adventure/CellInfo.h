// What the player is told about a map cell he points at: only what the map
// already shows him (an unexplored cell stays unknown; the grave is never told).
#pragma once

#include <string>

struct GameState;

// "Город Арвал: Люди, отношение — хорошо", "Отряд разбойников", "Лес", ...,
// or "неизвестно" for a cell not yet explored or off the map.
std::string cellInfo(const GameState& gs, int x, int y);
