#include "core/flow/Handover.h"

namespace {

using S = HandoverStep;

constexpr S kNewGame[] = {S::GameInProgress, S::HideSelf, S::MapBecomesMain, S::RecreateMiniMaps,
                          S::ShowMap};
constexpr S kLoad[] = {S::GameInProgress, S::RecreateMiniMaps, S::HideSelf,
                       S::LeaveStart,     S::RedrawMiniMap,    S::MapStep};
// As a load from the start window, which has not been shown.
constexpr S kOpenSaved[] = {S::GameInProgress, S::RecreateMiniMaps, S::MapBecomesMain,
                            S::ShowMap,        S::RedrawMiniMap,    S::MapStep};
constexpr S kFight[] = {S::HideSelf, S::ShowBattle};
constexpr S kBattleWon[] = {S::CloseBattle, S::ShowVictory};
constexpr S kBattleLost[] = {S::CloseBattle, S::ShowDefeat};
constexpr S kRetreat[] = {S::HideSelf, S::CloseBattle, S::ShowDefeat};
constexpr S kResumeBattle[] = {S::HideSelf, S::FocusBattle};
constexpr S kBackToTown[] = {S::HideSelf, S::FocusTown};
constexpr S kVictory[] = {S::MapStep, S::HideSelf, S::ReviveTown};
// Carried off the field: the landing comes before the step that shows it.
constexpr S kDefeat[] = {S::HideTown, S::LandHeroRandomly, S::HideSelf, S::MapStep,
                         S::RedrawMiniMap};
// The week's event has been applied: the game is kept before play goes on.
constexpr S kNewWeek[] = {S::Autosave, S::HideSelf, S::MapStep};
constexpr S kTreasure[] = {S::MapStep, S::HideSelf};
constexpr S kPortal[] = {S::HideSelf, S::PortalSound, S::MapStep, S::RedrawMiniMap};
constexpr S kShipBought[] = {S::HideSelf, S::MapStep};
// No battle window: the outcome windows follow at once, as after the last blow.
constexpr S kQuickFight[] = {S::HideSelf, S::FightQuickly};
constexpr S kQuickWon[] = {S::ShowVictory};
constexpr S kQuickLost[] = {S::ShowDefeat};
constexpr S kQuickUnfinished[] = {S::ShowBattleAsItIs};

}  // namespace

std::span<const HandoverStep> handoverSteps(Handover h) {
    switch (h) {
        case Handover::NewGame:
            return kNewGame;
        case Handover::Load:
            return kLoad;
        case Handover::Fight:
            return kFight;
        case Handover::BattleWon:
            return kBattleWon;
        case Handover::BattleLost:
            return kBattleLost;
        case Handover::Retreat:
            return kRetreat;
        case Handover::ResumeBattle:
            return kResumeBattle;
        case Handover::BackToTown:
            return kBackToTown;
        case Handover::Victory:
            return kVictory;
        case Handover::Defeat:
            return kDefeat;
        case Handover::NewWeek:
            return kNewWeek;
        case Handover::Treasure:
            return kTreasure;
        case Handover::Portal:
            return kPortal;
        case Handover::ShipBought:
            return kShipBought;
        case Handover::OpenSaved:
            return kOpenSaved;
        case Handover::QuickFight:
            return kQuickFight;
        case Handover::QuickWon:
            return kQuickWon;
        case Handover::QuickLost:
            return kQuickLost;
        case Handover::QuickUnfinished:
            return kQuickUnfinished;
    }
    return {};
}
