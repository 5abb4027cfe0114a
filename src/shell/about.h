// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace kelvra {

class LinkLabel;

/// The About box: the product, its description, the links to the maker's
/// site and an OK button that answers both Enter and Escape. Credits that the
/// data the program ships asks for (the atlas' place data) go on a line of
/// their own above the OK button; the box grows by that line.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* owner = nullptr, const QString& credits = {});

  void cmdOK_Click();
  void lblHomePage_Click();
  void lblCoBrand_Click();

  /// Escape and the window's close command go the way of OK.
  void reject() override;

 private:
  QPushButton* cmdOK_;
  LinkLabel* lblHomePage_;
  LinkLabel* lblCoBrand_;
};

/// Shows a new About box modally over `owner` and returns when it closes.
void RunAboutBox(QWidget* owner, const QString& credits = {});

}  // namespace kelvra
