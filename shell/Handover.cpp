#include "shell/Handover.h"

namespace {

using S = HandoverStep;

constexpr S kNewGame[] = {S::HideSelf, S::MapBecomesMain, S::RecreateMiniMaps, S::ShowMap};
constexpr S kLoad[] = {S::RecreateMiniMaps, S::HideSelf, S::LeaveStart, S::RedrawMiniMap,
                       S::MapStep};
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
constexpr S kNewWeek[] = {S::HideSelf, S::MapStep};
constexpr S kTreasure[] = {S::MapStep, S::HideSelf};
constexpr S kPortal[] = {S::HideSelf, S::PortalSound, S::MapStep, S::RedrawMiniMap};
constexpr S kShipBought[] = {S::HideSelf, S::MapStep};

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
    }
    return {};
}
