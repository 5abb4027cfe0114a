// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/twips.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

TEST(frmAbout, OkAnswersEnterAndEscape) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QWidget owner;
    owner.show();
    frmAbout box(&owner);
    box.open();
    ASSERT_TRUE(box.isVisible());
    QTest::keyClick(&box, key);
    EXPECT_FALSE(box.isVisible()) << key;
    EXPECT_EQ(box.result(), QDialog::Accepted) << key;
  }
}

TEST(frmAbout, LinksOpenTheirPagesAndTheBoxStays) {
  const struct {
    const char* label;
    const char* address;
  } links[] = {
      {"lblHomePage", "https://www.kelvra.example"},
      {"lblCoBrand", "https://www.kelvra.example/co-brand.html"},
  };
  for (const auto& link : links) {
    frmAbout box;
    box.show();
    testing::UrlRecorder recorder;
    auto* label = box.findChild<QLabel*>(QString::fromLatin1(link.label));
    ASSERT_NE(label, nullptr) << link.label;
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(recorder.urls, QList<QUrl>{QUrl(QString::fromLatin1(link.address))}) << link.label;
    EXPECT_TRUE(box.isVisible());
  }
}

TEST(frmAbout, ShowsItsTextsAsWritten) {
  frmAbout box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("Kelvra v1.0"));
  EXPECT_EQ(box.size(), QSize(Twips(6435), Twips(3555)));
  EXPECT_EQ(box.palette().color(QPalette::Window), QColor(255, 192, 192));
  const struct {
    const char* label;
    const char* text;
  } texts[] = {
      {"Label2", "Kelvra v1.0"},
      {"lblCoBrand", "Click Here for more info on Co-branding"},
      // One ampersand and both double blanks, on the screen as here.
      {"Label3", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
                 "name &  link here."},
  };
  for (const auto& [name, text] : texts) {
    auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), QString::fromLatin1(text)) << name;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
  }
  EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("Label1"))->text().startsWith(QStringLiteral("Kelvra calculates")));
  EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("lblHomePage"))->text().contains(QStringLiteral("kelvra.example")));
}

}  // namespace
}  // namespace kelvra
