#include "table/tablestate.h"

std::int32_t StartingBank = InitialBank;
std::int32_t Bank = InitialBank;
std::int32_t CurrentBet = 0;
std::int32_t BankLeft = 0;
std::array<std::int32_t, 5> MoneySlotValue{};
const std::array<std::int32_t, 14> BillValues{500000, 100000, 50000, 20000, 10000, 5000, 1000,
                                              500,    100,    50,    20,    10,    5,    1};

QString PlayerName;
std::int32_t DeckBackId = 60;
std::int32_t RandomDeck = 0;
std::int32_t WelcomeDone = 0;
std::int32_t WelcomeDeckIndex = 0;
std::int32_t NewGameChosen = 0;

SlotFlags PlrDiscard{};
std::int32_t DealStep = 0;
std::int32_t TableShown = 0;
std::int32_t DlrShown = 0;
std::int32_t KingOnDealer = 0;
std::int32_t KingToggle = 0;
std::int32_t PlrDrawPending = -1;
std::int32_t DlrDrawPending = -1;

void ResetTableState() {
  StartingBank = InitialBank;
  Bank = StartingBank;
  CurrentBet = 0;
  BankLeft = 0;
  MoneySlotValue = {};
  PlayerName.clear();
  DeckBackId = 60;
  RandomDeck = 0;
  WelcomeDone = 0;
  WelcomeDeckIndex = 0;
  NewGameChosen = 0;
  PlrDiscard = {};
  DealStep = 0;
  TableShown = 0;
  DlrShown = 0;
  KingOnDealer = 0;
  KingToggle = 0;
  PlrDrawPending = -1;
  DlrDrawPending = -1;
}
