#include "table/tablestate.h"

TableState State = TableState::Opening;
std::int32_t StartingBank = kStartingBank;
std::int32_t Bank = kStartingBank;
std::int32_t CurrentBet = 0;
std::int32_t BankLeft = 0;
BillSlots MoneySlotValue{};

std::int32_t WelcomeDone = 0;
std::int32_t WelcomeDeckIndex = 0;
std::int32_t NewGameChosen = 0;

SlotFlags PlrDiscard{};
std::int32_t DealStep = 0;
std::int32_t DlrShown = 0;
std::int32_t KingOnDealer = 0;
std::int32_t KingToggle = 0;

void ResetTableState() {
  State = TableState::Opening;
  StartingBank = kStartingBank;
  Bank = StartingBank;
  CurrentBet = 0;
  BankLeft = 0;
  MoneySlotValue = {};
  ResetGameStats();
  ResetDeckChoice();
  WelcomeDone = 0;
  WelcomeDeckIndex = 0;
  NewGameChosen = 0;
  PlrDiscard = {};
  DealStep = 0;
  DlrShown = 0;
  KingOnDealer = 0;
  KingToggle = 0;
}
