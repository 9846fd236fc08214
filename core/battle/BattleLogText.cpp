#include "core/battle/BattleLogText.h"

#include "core/battle/BattleEngine.h"

namespace battle {

namespace {

std::string who(const BattleEngine& engine, int code) {
    return std::string(sideOf(code) == kHeroSide ? "ваши " : "вражеские ") +
           engine.StackByCode(code).name.str();
}

const char* direction(Cell from, Cell to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    if (dy < 0) return dx > 0 ? "вправо-вверх" : dx < 0 ? "влево-вверх" : "вверх";
    if (dy > 0) return dx > 0 ? "вправо-вниз" : dx < 0 ? "влево-вниз" : "вниз";
    return dx > 0 ? "вправо" : "влево";
}

std::string losses(int damage, int killed, const char* verb) {
    return "урон " + std::to_string(damage) + ", " + verb + " " + std::to_string(killed);
}

}  // namespace

std::string logLine(const BattleEvent& e, const BattleEngine& engine) {
    using Kind = BattleEvent::Kind;
    switch (e.kind) {
        case Kind::Round:
            return "— Т У Р: " + std::to_string(e.actor) + " —";
        case Kind::Step:
            return "Шаг: " + who(engine, e.actor) + ", " + direction(e.from, e.to) + ".";
        case Kind::Fly:
            return "Полёт: " + who(engine, e.actor) + ".";
        case Kind::Wait:
            return "Ожидание: " + who(engine, e.actor) + ".";
        case Kind::Melee:
            return "Атака: " + who(engine, e.actor) + " → " + who(engine, e.target) + ". " +
                   "Удар: " + losses(e.damage, e.killed, "убито") +
                   ". Ответ: " + losses(e.returnDamage, e.lost, "погибло") + ".";
        case Kind::Shot:
            return "Выстрел: " + who(engine, e.actor) + " → " + who(engine, e.target) + ". " +
                   "Урон " + std::to_string(e.damage) + ", убито " + std::to_string(e.killed) + ".";
        case Kind::Wiped:
            return "Уничтожены: " + who(engine, e.actor) + "!";
    }
    return {};
}

}  // namespace battle
