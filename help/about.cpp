#include "help/about.h"

#include <QEvent>

#include "decks/catalogue.h"
#include "help/licence.h"
#include "platform/accessible.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "ui_about.h"

TAbout* About = nullptr;

namespace {

const char* kLicence = QT_TRANSLATE_NOOP("TAbout", R"(<p><b>Brindlewharf 1.1</b></p>
<p>Copyright (c) 2026 the Brindlewharf developers</p>
<p>Brindlewharf is free software, released under the MIT License
(SPDX identifier <tt>MIT</tt>). You may use it, copy it, change it, merge it into other work,
publish it, hand it on, sublicense it and sell copies of it, as long as the copyright line above
and this permission travel with every copy or substantial part of it.
The full terms come with the game, in the file %1.</p>
<p><b>No warranty.</b> The game is given to you as it is. Its makers promise nothing about it,
neither that it works nor that it suits any purpose, and they cannot be held responsible for any
claim, damage or other loss that comes from using it or from dealing in it.</p>
<p>All the pictures in the game were drawn for it by its makers.</p>)");

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAbout>()) {
  ui->setupUi(this);
  SetUpDialog(this);
  setStyleSheet(QStringLiteral("#Panel3, #Panel4, #Panel5, #Panel6 { background: %1; }"
                               "#LicenseRE { background: palette(button); }")
                    .arg(Css(kOlive)));
  ui->LicenseRE->setHtml(tr(kLicence).arg(LicenceFile().toHtmlEscaped()));
  // The title picture is named by the words it shows; its olive frame and the rule only decorate.
  ui->Image1->setAccessibleName(tr("Brindlewharf, Version 1.1, © 2026 the Brindlewharf developers"));
  ui->LicenseRE->setAccessibleName(tr("License"));
  for (QWidget* decoration :
       std::initializer_list<QWidget*>{ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel6, ui->Panel1})
    HideFromAssistiveTech(decoration);
  connect(ui->Button1, &QPushButton::clicked, this, &TAbout::OKBtnClick);
  connect(ui->OKBtn, &QPushButton::clicked, this, &TAbout::OKBtnClick);
}

TAbout::~TAbout() = default;

bool TAbout::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormCreate();
  return QDialog::event(e);
}

void TAbout::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!dressed_) {
    ShowLayoutPicture(ui->Image1, "title");
    dressed_ = true;
  }
  CentreOnScreen(this);
  FormCreate();
}

void TAbout::FormCreate() { ui->PageControl1->setCurrentWidget(ui->VersionTab); }

void TAbout::OKBtnClick() { close(); }
