#include "tests/support/fakeplatform.h"

#include <gtest/gtest.h>

FakePlatform::FakePlatform() { InstallPlatform(this); }

FakePlatform::~FakePlatform() {
  InstallPlatform(nullptr);
  EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected message box(es) never shown; first: "
                                 << expected_.front().message.text.toStdString();
}

FakePlatform& FakePlatform::Expect(const QString& text, const QString& caption, int style,
                                   MessageAnswer answer) {
  expected_.push_back({{text, caption, style}, answer});
  return *this;
}

MessageAnswer FakePlatform::ShowMessage(const QString& text, const QString& caption, int style) {
  shown_.push_back({text, caption, style});
  if (onMessage_) {
    auto f = std::move(onMessage_);
    onMessage_ = nullptr;
    f();
  }
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected message box: caption \"" << caption.toStdString() << "\", text \""
                  << text.toStdString() << "\", style " << style;
    return style == StopOk ? MessageAnswer::Ok : MessageAnswer::No;
  }
  Expected e = expected_.front();
  expected_.pop_front();
  if (!e.message.text.isEmpty()) {
    EXPECT_EQ(e.message.text.toStdString(), text.toStdString());
  }
  if (!e.message.caption.isEmpty()) {
    EXPECT_EQ(e.message.caption.toStdString(), caption.toStdString());
  }
  EXPECT_EQ(e.message.style, style) << "style of \"" << text.toStdString() << "\"";
  return e.answer;
}

QString FakePlatform::OpenFileName(const QString&, const QString&, const QString&) { return openName_; }

QString FakePlatform::SaveFileName(const QString&, const QString&, const QString&) { return saveName_; }
