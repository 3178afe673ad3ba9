#pragma once
// The deck dialog: choose one of the ten card backs, or a random back for every hand.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

class ImageBox;
class QFrame;

namespace Ui {
class TDecks;
}

// The back framed in the dialog; loaded from DeckBackId on every activation, written back only by OK.
extern std::int32_t PendingBackId;

class TDecks : public QDialog {
  Q_OBJECT
 public:
  explicit TDecks(QWidget* parent = nullptr);
  ~TDecks() override;

 public slots:
  void Update();
  void SetCardFrame();
  // What the backs tell a screen reader: how to choose one, or why none can be chosen now.
  void DescribeBacks();
  // The click and double click on back n (Deck0TrigClick .. Deck9TrigClick and
  // Deck0PicDblClick .. Deck9PicDblClick): the ten differ only in n.
  void DeckTrigClick(int n);
  void DeckPicDblClick(int n);
  void OKBtnClick();
  void CancelBtnClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void SetUpKeyboardAndNames();

  std::unique_ptr<Ui::TDecks> ui;
  bool dressed_ = false;                  // the backs are drawn when the dialog first opens
  std::array<QFrame*, 10> deckPanels_{};  // Deck0Pnl .. Deck9Pnl
  std::array<ImageBox*, 10> deckPics_{};  // Deck0Pic .. Deck9Pic
};

extern TDecks* Decks;
