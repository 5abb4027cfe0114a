// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/return_to_entry.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "fake_director.h"
#include "fake_entry_form.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

using testing::FakeDirector;

TEST(ReturnToEmptyEntryForm, ClosesResultsThenShowsAnEmptiedFormFocusedOnTheMaleName) {
  testing::RecordingEphemeris ephemeris;
  FakeDirector director(ephemeris);
  std::unique_ptr<QWidget> form = testing::MakeFakeEntryForm();
  testing::FillEveryEntry(*form);
  director.form = form.get();
  form->show();

  ReturnToEmptyEntryForm(director);

  EXPECT_EQ(director.calls, QStringList({"CloseResultsWindow", "ShowEntryForm"}));
  for (QChar person : {QLatin1Char('M'), QLatin1Char('F')}) {
    for (const QString& name : testing::TextEntryNames(person))
      EXPECT_EQ(form->findChild<QLineEdit*>(name)->text(), QString()) << name.toStdString();
    for (const QString& name : testing::ListNames(person))
      EXPECT_EQ(form->findChild<QComboBox*>(name)->currentIndex(), 0) << name.toStdString();
    for (const QString& name : testing::OptionNames(person)) {
      auto* option = form->findChild<QRadioButton*>(name);
      EXPECT_FALSE(option->isChecked()) << name.toStdString();
      EXPECT_TRUE(option->autoExclusive()) << name.toStdString();  // the pair still excludes afterwards
    }
    // Chart boxes belong to the analysis, not to the entries.
    for (const QString& name : testing::ChartBoxNames(person))
      EXPECT_EQ(form->findChild<QLineEdit*>(name)->text(), name) << name.toStdString();
  }
  EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(QStringLiteral("txtMName")));
}

TEST(ReturnToEmptyEntryForm, UnchecksOptionsHeldByAnExclusiveGroup) {
  std::unique_ptr<QWidget> form = testing::MakeFakeEntryForm();
  QButtonGroup group;
  auto* north = form->findChild<QRadioButton*>(QStringLiteral("optFNorth"));
  auto* south = form->findChild<QRadioButton*>(QStringLiteral("optFSouth"));
  group.addButton(north);
  group.addButton(south);
  north->setChecked(true);

  EmptyEntryFields(*form);

  EXPECT_FALSE(north->isChecked());
  EXPECT_TRUE(group.exclusive());
  south->setChecked(true);
  north->setChecked(true);
  EXPECT_FALSE(south->isChecked());  // still one of a pair
}

TEST(ReturnToEmptyEntryForm, SkipsAMissingFormOrControl) {
  testing::RecordingEphemeris ephemeris;
  FakeDirector director(ephemeris);  // ShowEntryForm answers nullptr
  ReturnToEmptyEntryForm(director);
  EXPECT_EQ(director.calls, QStringList({"CloseResultsWindow", "ShowEntryForm"}));
  QWidget bare;
  EmptyEntryFields(bare);
}

}  // namespace
}  // namespace kelvra
