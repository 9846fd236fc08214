#include "core/battle/BattleEngine.h"

#include <algorithm>
#include <cstdlib>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"
#include "platform/Random.h"

namespace battle {

const char* const kHelpMove =
    "Перемещение/атака - стрелками. W - подождать. Пробел - закончить ход.";
const char* const kHelpShoot =
    "Стреляет (если рядом нет врагов). Для выстрела щелкните по клетке с врагом.";
const char* const kHelpFly = "Летает. Для полета щелкните по свободной клетке.";
const char* const kHelpEnemy = "Ходит противник.";

std::string blanks() {
    return std::string(152, ' ');
}

int distance(Cell a, Cell b) {
    return std::abs(a.x - b.x) + std::abs(a.y - b.y);
}

bool areNeighbours(Cell a, Cell b) {
    return !(a == b) && std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

namespace {

// Losses of a stack of `count` creatures of `hitsMax` each, whose top creature has
// `hits` left, from `damage` points. The rest of the damage that reaches the top
// creature's remaining hits kills it too; the next one takes what is left over.
void applyDamage(uint32_t damage, int count, int hitsMax, int hits, uint16_t& killed,
                 uint16_t& topHits) {
    uint32_t k = damage / static_cast<uint32_t>(hitsMax);
    int64_t rest = damage % static_cast<uint32_t>(hitsMax);
    int64_t top = hits;
    if (rest >= top) {
        ++k;
        top = hitsMax;
        rest -= hits;
    }
    top -= rest;
    if (count < 0) count = 0;
    if (k > static_cast<uint32_t>(count)) k = static_cast<uint32_t>(count);
    killed = static_cast<uint16_t>(k);
    topHits = static_cast<uint16_t>(top);
}

int clampCount(int16_t c) {
    return c < 0 ? 0 : c;
}

BattleEvent happened(BattleEvent::Kind kind, int actor, int target = 0, Cell from = {},
                     Cell to = {}) {
    BattleEvent e;
    e.kind = kind;
    e.actor = actor;
    e.target = target;
    e.from = from;
    e.to = to;
    return e;
}

// All the hit points a stack has left: the full ones below its top creature.
int hitPoints(const Troop& t) {
    if (t.count <= 0) return 0;
    return std::max(0, (t.count - 1) * t.hitsMax + t.hits);
}

}  // namespace

FightResult MeleeResult(const Troop& a, const Troop& b, Random& rnd) {
    FightResult r;
    if (b.hitsMax <= 0 || a.hitsMax <= 0) {
        r.attackerTopHits = static_cast<uint16_t>(a.hits);
        r.defenderTopHits = static_cast<uint16_t>(b.hits);
        return r;
    }
    // Draw in the written order: the attacker's blow, then the return blow (whose
    // luck term is the attacker's luck).
    uint32_t dealt = rnd(a.morale);
    dealt += a.attack;
    dealt += rnd(a.luck) / 2;
    dealt *= static_cast<uint32_t>(clampCount(a.count));
    uint32_t back = rnd(b.morale) / 2;
    back += b.defence;
    back += rnd(a.luck) / 2;
    back *= static_cast<uint32_t>(clampCount(b.count));
    applyDamage(dealt, b.count, b.hitsMax, b.hits, r.defendersKilled, r.defenderTopHits);
    applyDamage(back, a.count, a.hitsMax, a.hits, r.attackersKilled, r.attackerTopHits);
    return r;
}

FightResult ShotResult(const Troop& a, const Troop& b, Random& rnd) {
    FightResult r;
    r.attackerTopHits = static_cast<uint16_t>(a.hits);
    if (b.hitsMax <= 0 || a.hitsMax <= 0) {
        r.defenderTopHits = static_cast<uint16_t>(b.hits);
        return r;
    }
    uint32_t dealt = rnd(a.morale) / 2;
    dealt += a.shotPower;
    dealt += rnd(a.luck);
    dealt *= static_cast<uint32_t>(clampCount(a.count));
    applyDamage(dealt, b.count, b.hitsMax, b.hits, r.defendersKilled, r.defenderTopHits);
    return r;
}

std::string stackDescription(const Troop& t) {
    auto n = [](int v) { return std::to_string(v); };
    auto pad20 = [](const std::string& field) { return padLetters(field, 20); };
    std::string s = " -= " + t.name.str() + " =-  Количество " + n(t.count) + ".\r\n";
    s += pad20(" Атака - " + n(t.attack) + ".") + pad20(" Защита - " + n(t.defence) + ".") +
         pad20(" Хиты - " + n(t.hits) + "/" + n(t.hitsMax) + ".") +
         pad20(" Ходов - " + n(t.movesLeft) + ".") + "\r\n";
    s += pad20(" Скорость - " + n(t.speed) + ".") + pad20(" Реакция - " + n(t.reaction) + ".") +
         pad20(" Мораль - " + n(t.morale) + ".") + pad20(" Удача - " + n(t.luck) + ".") + "\r\n";
    std::string last;
    if (t.shots != -1) last = " Выстрелов " + n(t.shots) + " с силой " + n(t.shotPower) + ".";
    if (t.flies == 1) last = " Летают.";
    return s + last;
}

std::string turnText(const Troop& t) {
    return "-= " + t.name.str() + " =-  Осталось ходов - " + std::to_string(t.movesLeft);
}

// ---------------------------------------------------------------------------

BattleEngine::BattleEngine(GameState& gs, Session& session, Random& rnd, BattleView& view)
    : gs_(gs), session_(session), rnd_(rnd), view_(&view) {}

Troop& BattleEngine::StackByCode(int code) {
    int slot = slotOf(code);
    if (slot < 1 || slot > kSlots) slot = 1;  // never asked for; keeps the index valid
    return code / 10 == 1 ? session_.sides.hero(slot) : session_.sides.enemy(slot);
}

const Troop& BattleEngine::StackByCode(int code) const {
    return const_cast<BattleEngine*>(this)->StackByCode(code);
}

bool BattleEngine::FindStack(int code, Cell& at) const {
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (field.at(x, y) == code) {
                at = {x, y};
                return true;
            }
    return false;
}

int BattleEngine::round() const {
    auto colon = roundText.find(':');
    if (colon == std::string::npos) return 0;
    return std::atoi(roundText.c_str() + colon + 1);  // skips the leading blanks
}

bool BattleEngine::vault() const {
    return session_.reward.vaultTown != 0;
}

bool BattleEngine::running() const {
    return outcome == Outcome::Running && view_->battleVisible();
}

void BattleEngine::setCursor(Cursor c) {
    cursor = c;
    view_->cursor(c);
}

int BattleEngine::livingCount(int side) const {
    int n = 0;
    for (int k = 1; k <= kSlots; ++k) n += StackByCode(codeOf(side, k)).count >= 1;
    return n;
}

bool BattleEngine::hasNeighbourOf(Cell c, int side) const {
    for (auto [dx, dy] : kNeighbourOrder) {
        int x = c.x + dx, y = c.y + dy;
        if (insideField(x, y) && isStackCode(field.at(x, y)) && sideOf(field.at(x, y)) == side)
            return true;
    }
    return false;
}

// ---- set-up ----------------------------------------------------------------

void BattleEngine::Setup(bool reseed) {
    outcome = Outcome::Running;
    view_->retreatShown(false);
    view_->help("");
    view_->help2("");
    roundText = "Т У Р: 0";
    view_->roundLabel(roundText);
    setCursor(Cursor::Arrow);
    if (reseed) rnd_.reseedFromClock();

    field.clear();
    dead.clear();
    // Obstacles never fall on the home columns or on the top row.
    for (int x = 2; x <= 6; ++x)
        for (int y = 2; y <= kRows; ++y)
            if (rnd_(6) == 0) field.at(x, y) = static_cast<uint8_t>(rnd_(6) + 1);

    for (int k = 1; k <= kSlots; ++k) {
        // A stack left marked active by whoever filled the sides must not take
        // keys before the first round has been dealt.
        stack(kEnemySide, k).active = 0;
        stack(kHeroSide, k).active = 0;
        if (stack(kEnemySide, k).count > 0)
            field.at(7, k) = static_cast<uint8_t>(codeOf(kEnemySide, k));
        if (stack(kHeroSide, k).count > 0)
            field.at(1, k) = static_cast<uint8_t>(codeOf(kHeroSide, k));
    }

    if (vault()) {
        for (int y = 1; y <= kRows; ++y) field.at(6, y) = kFree;
        field.at(6, 1) = kWall;
        field.at(6, 5) = kWall;
    }

    moving = MovingPicture{};
    gridLines = false;
    static constexpr int kOpenGround[4] = {1, 2, 4, 5};
    background = vault() ? 3 : kOpenGround[rnd_(4)];

    animPhase = -1000;
    view_->clockRunning(true);
    setCursor(Cursor::Arrow);
}

// ---- rounds and turns ------------------------------------------------------

void BattleEngine::NewRound() {
    roundText = "Т У Р: " + std::to_string(round() + 1);
    view_->roundLabel(roundText);
    view_->event(happened(BattleEvent::Kind::Round, round()));
    for (int side : {kHeroSide, kEnemySide})
        for (int k = 1; k <= kSlots; ++k) {
            Troop& t = stack(side, k);
            t.movesLeft = t.speed;
            t.active = 0;
            t.waited = 0;
        }
}

bool BattleEngine::NextStack() {
    // The quickest to react on each side; ties go to the lower slot, and a
    // reaction of 0 never acts.
    auto best = [this](int side, bool waiters, int& slot) {
        int reaction = 0;
        slot = 0;
        for (int k = 1; k <= kSlots; ++k) {
            const Troop& t = stack(side, k);
            if (t.movesLeft > 0 && t.count > 0 && (t.waited != 0) == waiters &&
                t.reaction > reaction) {
                reaction = t.reaction;
                slot = k;
            }
        }
        return reaction;
    };
    int heroSlot, enemySlot;
    int hero = best(kHeroSide, false, heroSlot);
    int enemy = best(kEnemySide, false, enemySlot);
    if (heroSlot == 0 && enemySlot == 0) {
        hero = best(kHeroSide, true, heroSlot);
        enemy = best(kEnemySide, true, enemySlot);
    }
    if (heroSlot == 0 && enemySlot == 0) return false;
    if (hero == enemy) {
        if (rnd_(2) == 1)
            ++enemy;
        else
            ++hero;
    }

    view_->help2(blanks());
    if (enemy > hero) {
        Troop& t = stack(kEnemySide, enemySlot);
        t.active = 1;
        view_->retreatShown(false);
        setCursor(Cursor::Arrow);
        view_->help(std::string(kHelpEnemy) + blanks());
        view_->repaint();
        view_->sound(std::string(assets::kArmy) + t.wavFile.str());
        view_->pause(675);
        SideTurn(kEnemySide);
    } else {
        Troop& t = stack(kHeroSide, heroSlot);
        t.active = 1;
        showHeroTurn(heroSlot);
        view_->repaint();
        view_->sound(std::string(assets::kArmy) + t.wavFile.str());
        view_->pause(250);
        view_->heroTurn();
    }
    return true;
}

void BattleEngine::showHeroTurn(int slot) {
    const Troop& t = stack(kHeroSide, slot);
    view_->retreatShown(true);
    view_->status(turnText(t));
    view_->help(kHelpMove);
    setCursor(Cursor::Arrow);
    if (CanShoot(codeOf(kHeroSide, slot))) {
        setCursor(Cursor::Cross);
        view_->help2(kHelpShoot);
    }
    if (t.flies == 1) {
        setCursor(Cursor::Hand);
        view_->help2(kHelpFly);
    }
}

void BattleEngine::ShowTurn() {
    view_->roundLabel(roundText);
    view_->help2(blanks());
    if (const int code = activeHeroCode()) {
        showHeroTurn(slotOf(code));
    } else {
        view_->retreatShown(false);
        view_->help("");
        setCursor(Cursor::Arrow);
    }
}

void BattleEngine::Continue() {
    if (!running()) return;
    // A side with nobody left is beaten; the clock says so. Dealing it another
    // round would only go round in circles.
    if (livingCount(kHeroSide) == 0 || livingCount(kEnemySide) == 0) {
        Tick();
        return;
    }
    if (!NextStack()) {
        NewRound();
        NextStack();
    }
}

void BattleEngine::EndTurn(int side, int slot) {
    setCursor(Cursor::Arrow);
    Troop& t = stack(side, slot);
    t.movesLeft = 0;
    t.active = 0;
    Continue();
}

void BattleEngine::Wait(int code) {
    Troop& t = StackByCode(code);
    t.active = 0;
    if (t.waited != 0) t.movesLeft = 0;
    view_->status(t.name.str() + " ждут...");
    view_->event(happened(BattleEvent::Kind::Wait, code));
    t.waited = 1;
    view_->pause(1500);
    Continue();
}

bool BattleEngine::CanShoot(int code) const {
    const Troop& t = StackByCode(code);
    if (t.shots <= 0) return false;
    Cell at;
    if (!FindStack(code, at)) return false;
    return !hasNeighbourOf(at, otherSide(sideOf(code)));
}

// ---- actions ---------------------------------------------------------------

void BattleEngine::Step(Cell from, Cell to, int code) {
    view_->event(happened(BattleEvent::Kind::Step, code, 0, from, to));
    field.at(from) = kFree;
    view_->repaint();
    view_->sound(assets::kWavStep);
    moving.code = code;
    moving.shown = true;
    for (int part : {20, 60}) {
        moving.x = 80 * (from.x - 1) + part * (to.x - from.x);
        moving.y = 80 * (from.y - 1) + part * (to.y - from.y);
        view_->repaint();
        view_->pause(150);
    }
    moving.shown = false;
    field.at(to) = static_cast<uint8_t>(code);
    view_->repaint();
    view_->pause(50);
    Tick();
}

void BattleEngine::Melee(int attacker, int defender, Cell target) {
    view_->sound(assets::kWavFight);
    Troop& a = StackByCode(attacker);
    Troop& d = StackByCode(defender);
    FightResult r = MeleeResult(a, d, rnd_);
    view_->status("Атака! Защитников убито " + std::to_string(r.defendersKilled) +
                  ". Атакующих погибло " + std::to_string(r.attackersKilled));
    BattleEvent told = happened(BattleEvent::Kind::Melee, attacker, defender);
    told.damage = hitPoints(d);
    told.returnDamage = hitPoints(a);
    a.count = static_cast<int16_t>(a.count - r.attackersKilled);
    d.count = static_cast<int16_t>(d.count - r.defendersKilled);
    a.hits = static_cast<int16_t>(r.attackerTopHits);
    d.hits = static_cast<int16_t>(r.defenderTopHits);
    told.damage -= hitPoints(d);
    told.returnDamage -= hitPoints(a);
    told.killed = r.defendersKilled;
    told.lost = r.attackersKilled;
    tell(told);
    view_->clockRunning(false);
    for (int n = 1; n <= 4; ++n) {
        view_->frame(FrameKind::Impact, n, target);
        view_->pause(60);
    }
    view_->pause(1620);
    view_->clockRunning(true);
    Tick();
}

void BattleEngine::Shoot(int shooter, int target) {
    Troop& s = StackByCode(shooter);
    Troop& t = StackByCode(target);
    view_->sound(s.missileKind == 1 ? assets::kWavShotA : assets::kWavShotB);
    FightResult r = ShotResult(s, t, rnd_);
    view_->status("При обстреле погибло " + std::to_string(r.defendersKilled));
    BattleEvent told = happened(BattleEvent::Kind::Shot, shooter, target);
    told.damage = hitPoints(t);
    t.count = static_cast<int16_t>(t.count - r.defendersKilled);
    t.hits = static_cast<int16_t>(r.defenderTopHits);
    told.damage -= hitPoints(t);
    told.killed = r.defendersKilled;
    tell(told);
    s.shots = static_cast<int8_t>(s.shots - 1);
    view_->clockRunning(false);
    Cell from, to;
    FindStack(shooter, from);
    FindStack(target, to);
    view_->shotLine(from, to);
    const FrameKind kind = s.missileKind == 1 ? FrameKind::Missile : FrameKind::Impact;
    for (int n = 1; n <= 4; ++n) {
        view_->frame(kind, n, to);
        view_->pause(70);
    }
    view_->pause(1050);
    view_->clockRunning(true);
    Tick();
}

void BattleEngine::Fly(int code, Cell to) {
    Cell from;
    if (FindStack(code, from)) field.at(from) = kFree;
    field.at(to) = static_cast<uint8_t>(code);
    view_->event(happened(BattleEvent::Kind::Fly, code, 0, from, to));
    view_->repaint();
    view_->status(StackByCode(code).name.str() + " летят.");
    view_->sound(assets::kWavFly);
    view_->pause(1000);
}

// An exchange for the log, and the stacks it wiped out.
void BattleEngine::tell(const BattleEvent& e) {
    view_->event(e);
    for (int code : {e.target, e.actor})
        if (StackByCode(code).count <= 0) view_->event(happened(BattleEvent::Kind::Wiped, code));
}

// ---- the clock -------------------------------------------------------------

void BattleEngine::finish(bool heroWon) {
    outcome = heroWon ? Outcome::Victory : Outcome::Defeat;
    view_->clockRunning(false);
    view_->battleOver(heroWon);
}

void BattleEngine::Tick() {
    if (outcome != Outcome::Running) return;
    int heroTotal = 0, enemyTotal = 0;
    for (int k = 1; k <= kSlots; ++k) {
        heroTotal += clampCount(stack(kHeroSide, k).count);
        enemyTotal += clampCount(stack(kEnemySide, k).count);
    }
    // The hero's side is looked at first: when both fall in one exchange, the
    // battle is lost.
    if (heroTotal == 0) {
        for (int k = 1; k <= kSlots; ++k) gs_.slot(k).count = 0;
        finish(false);
        return;
    }
    if (enemyTotal == 0) {
        for (int k = 1; k <= kSlots; ++k) {
            gs_.slot(k).count = stack(kHeroSide, k).count;
            gs_.slot(k).hits = gs_.slot(k).hitsMax;
        }
        finish(true);
        return;
    }
    if (animPhase == -1000) {
        animPhase = 1;
        view_->repaint();
        view_->repaint();
        view_->sound(assets::kWavBattle);
        view_->pause(3500);
        NewRound();
        Continue();
        if (!running()) return;
    }
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (isStackCode(field.at(x, y)) && StackByCode(field.at(x, y)).count <= 0) {
                field.at(x, y) = kFree;
                dead.at(x, y) = 1;
            }
    animPhase = animPhase >= 4 ? 1 : animPhase + 1;
    view_->repaint();
}

// ---- the player's input ----------------------------------------------------

int BattleEngine::activeHeroCode() const {
    for (int k = 1; k <= kSlots; ++k) {
        const Troop& t = StackByCode(codeOf(kHeroSide, k));
        if (t.active == 1 && t.count > 0) return codeOf(kHeroSide, k);
    }
    return 0;
}

void BattleEngine::HeroEndTurn() {
    int code = activeHeroCode();
    if (!code) return;
    EndTurn(kHeroSide, slotOf(code));
    view_->pause(1000);
}

void BattleEngine::HeroWait() {
    int code = activeHeroCode();
    if (code) Wait(code);
}

void BattleEngine::HeroDirection(int dx, int dy) {
    int code = activeHeroCode();
    Cell at;
    if (!code || !FindStack(code, at)) return;
    Cell to{at.x + dx, at.y + dy};
    if (!insideField(to.x, to.y)) return;
    int there = field.at(to);
    if (isObstacle(there) || (isStackCode(there) && sideOf(there) == kHeroSide)) return;
    Troop& t = StackByCode(code);
    if (isStackCode(there)) {
        Melee(code, there, to);
        EndTurn(kHeroSide, slotOf(code));
        return;
    }
    if (t.movesLeft > 0) --t.movesLeft;
    view_->status(turnText(t));
    Step(at, to, code);
    if (CanShoot(code)) {
        setCursor(Cursor::Cross);
        view_->help2(kHelpShoot);
    } else {
        setCursor(Cursor::Arrow);
        view_->help2(blanks());
    }
    if (t.movesLeft == 0) EndTurn(kHeroSide, slotOf(code));
}

bool BattleEngine::HeroClick(Cell c) {
    int code = activeHeroCode();
    if (!code || !insideField(c.x, c.y)) return false;
    int there = field.at(c);
    // The cursor tells what a click does; the stack itself must still be able
    // to do it (a cursor left over from another stack's turn does not count).
    if (cursor == Cursor::Cross && isStackCode(there) && sideOf(there) == kEnemySide &&
        CanShoot(code)) {
        Shoot(code, there);
        EndTurn(kHeroSide, slotOf(code));
        return true;
    }
    if (cursor == Cursor::Hand && there == kFree && StackByCode(code).flies == 1) {
        Fly(code, c);
        return true;
    }
    return false;
}

}  // namespace battle
