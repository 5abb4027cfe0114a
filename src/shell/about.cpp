// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "shell/command.h"
#include "shell/link_label.h"
#include "shell/product.h"
#include "shell/twips.h"
#include "shell/web_links.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {

namespace {

const QColor kBackground(255, 192, 192);
const QColor kDescriptionBackground(255, 255, 128);

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

QLabel* TextLabel(QWidget* parent, const QString& text, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);  // keeps the double blanks and the lone ampersand
  label->setWordWrap(true);
  label->setFont(font);
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner, const QString& credits) : QDialog(owner) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(ProductCaption());
  setModal(true);
  // The credits line sits between the co-branding link and the rule; the
  // rule, the button and the bottom move down by its height.
  const int creditsHeight = credits.isEmpty() ? 0 : 270;
  setFixedSize(Twips(6435), Twips(3555 + creditsHeight));
  QPalette background = palette();
  background.setColor(QPalette::Window, kBackground);
  setPalette(background);
  setAutoFillBackground(true);
  const QFont text = VerdanaFont(8.25);

  auto* picIcon = Place(new QLabel(this), "picIcon", TwipsRect(150, 150, 570, 570));
  picIcon->setPixmap(ProductPicture(Twips(570)));

  auto* label2 = Place(TextLabel(this, ProductCaption(), VerdanaFont(9.75, true)), "Label2",
                       TwipsRect(780, 450, 5235, 255));
  label2->setWordWrap(false);

  auto* label1 = Place(TextLabel(this, Text(words::kAboutDescription), text), "Label1",
                       TwipsRect(120, 750, 6165, 1215));
  label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The text keeps clear of the yellow box's edges. It wraps to six lines
  // then, which leave room for only a little margin above and below.
  label1->setContentsMargins(Twips(90), Twips(30), Twips(90), 0);
  QPalette yellow = label1->palette();
  yellow.setColor(QPalette::Window, kDescriptionBackground);
  label1->setPalette(yellow);
  label1->setAutoFillBackground(true);

  if (!credits.isEmpty()) {
    QLabel* creditLine =
        Place(TextLabel(this, credits, VerdanaFont(6.75)), "lblCredits", TwipsRect(150, 2970, 6165, 210));
    creditLine->setWordWrap(false);
  }
  const int lineTop = 3030 + creditsHeight;
  auto* line2 =
      Place(new QFrame(this), "Line2", QRect(QPoint(Twips(150), Twips(lineTop)), QPoint(Twips(6300), Twips(lineTop))));
  line2->setFrameShape(QFrame::HLine);
  line2->setFrameShadow(QFrame::Plain);
  line2->setFixedHeight(1);

  lblHomePage_ = Place(new LinkLabel(Text(words::kAboutVisitUs, {SiteHost().toStdString()}), this), "lblHomePage",
                       TwipsRect(2250, 1950, 4050, 195));
  lblHomePage_->setFont(text);
  lblHomePage_->setTextFormat(Qt::PlainText);
  ConnectCommand(lblHomePage_, &LinkLabel::clicked, this, words::kCommandVisitUsOnline, &frmAbout::lblHomePage_Click);

  Place(TextLabel(this, Text(words::kCoBrandOffer), text), "Label3", TwipsRect(150, 2280, 6165, 435));

  lblCoBrand_ = Place(new LinkLabel(Text(words::kCoBrandLinkInAbout), this), "lblCoBrand",
                      TwipsRect(2880, 2700, 3465, 195));
  lblCoBrand_->setFont(text);
  lblCoBrand_->setTextFormat(Qt::PlainText);
  ConnectCommand(lblCoBrand_, &LinkLabel::clicked, this, words::kCoBrandCommand, &frmAbout::lblCoBrand_Click);

  cmdOK_ = Place(new QPushButton(Text(words::kAboutOK), this), "cmdOK",
                 TwipsRect(5070, 3120 + creditsHeight, 1260, 345));
  cmdOK_->setDefault(true);
  cmdOK_->setAutoDefault(true);
  ConnectCommand(cmdOK_, &QPushButton::clicked, this, words::kCommandOK, &frmAbout::cmdOK_Click);
  cmdOK_->setFocus();
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::lblHomePage_Click() { OpenHomePage(); }

void frmAbout::lblCoBrand_Click() { OpenCoBrandPage(); }

void frmAbout::reject() { cmdOK_->click(); }

void RunAboutBox(QWidget* owner, const QString& credits) {
  frmAbout box(owner, credits);
  box.exec();
}

}  // namespace kelvra
