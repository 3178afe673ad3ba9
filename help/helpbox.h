#pragma once
// The help window: the house rules and features as topics, and an example of every hand rank.

#include <QDialog>
#include <array>
#include <memory>

class ImageBox;

namespace Ui {
class THelpBox;
}

class THelpBox : public QDialog {
  Q_OBJECT
 public:
  explicit THelpBox(QWidget* parent = nullptr);
  ~THelpBox() override;

 public slots:
  // Runs on every activation: back to the contents page and the title panel, all links unvisited.
  void FormCreate();
  // The eleven topic handlers (OverviewClick .. ContactLablClick) share this shape; topic indexes
  // HelpTopics.
  void TopicClick(int topic);
  // The ten hand-rank handlers (RoyalFlushClick .. HighCardClick); rank indexes HandRankPages.
  void HandRankClick(int rank);
  void LicenseLablClick();
  void OKBtnClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void SetUpKeyboardAndNames();

  std::unique_ptr<Ui::THelpBox> ui;
  // In the order of HelpTopics and HandRankPages.
  std::array<ImageBox*, 11> topicLabels_{}, topicGlyphs_{};
  std::array<ImageBox*, 10> rankLabels_{}, rankGlyphs_{};
  std::array<ImageBox*, 5> titleFan_{}, titleGlyphs_{}, rankCards_{};
};

extern THelpBox* HelpBox;
