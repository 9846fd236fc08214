// The battle log's lines: what a stack did and what it cost both sides, in words.
#pragma once

#include <string>

namespace battle {

struct BattleEvent;
class BattleEngine;

// One line for an event; stacks are named from the engine's sides ("ваши
// Варвары", "вражеские Тролли").
std::string logLine(const BattleEvent& e, const BattleEngine& engine);

}  // namespace battle
