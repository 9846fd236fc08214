// Every window of the game, created once at start-up in a fixed order and only
// shown and hidden afterwards, and what they all share.
#pragma once

struct GameState;
struct Session;
class Random;
class Platform;

class TStartForm;
class TBattleForm;
class TTrForm;
class TArmyForm;
class TTextForm;
class TOptionsForm;
class TTownForm;
class TPortalForm;
class TNewWeekForm;
class TSurrendForm;
class TArmyFreeForm;
class TDefeatForm;
class TVictoryForm;
class TFindForm;
class TVicGameForm;
class TNotFindForm;
class THistoryForm;
class TBanditForm;
class TShtyrmForm;
class TGoldForm;
class TSaveForm;
class TLoadForm;
class TTInfoForm;

struct Forms {
    TStartForm* start = nullptr;
    TBattleForm* battle = nullptr;
    TTrForm* tr = nullptr;
    TArmyForm* army = nullptr;
    TTextForm* text = nullptr;
    TOptionsForm* options = nullptr;
    TTownForm* town = nullptr;
    TPortalForm* portal = nullptr;
    TNewWeekForm* newWeek = nullptr;
    TSurrendForm* surrend = nullptr;
    TArmyFreeForm* armyFree = nullptr;
    TDefeatForm* defeat = nullptr;
    TVictoryForm* victory = nullptr;
    TFindForm* find = nullptr;
    TVicGameForm* vicGame = nullptr;
    TNotFindForm* notFind = nullptr;
    THistoryForm* history = nullptr;
    TBanditForm* bandit = nullptr;
    TShtyrmForm* shtyrm = nullptr;
    TGoldForm* gold = nullptr;
    TSaveForm* save = nullptr;
    TLoadForm* load = nullptr;
    TTInfoForm* tinfo = nullptr;
};

// Handed to every window at construction: the one game block, the values the
// windows pass to each other, the generator, the platform and the other windows.
struct GameContext {
    GameState& gs;
    Session& session;
    Random& rnd;
    Platform& platform;
    Forms forms;
};
