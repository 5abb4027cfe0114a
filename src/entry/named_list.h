// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace kelvra {

/// A list that screen readers announce by the name the form gives it ("Male
/// Birthday Day"), with its current item as the value. Qt's own interface for
/// lists names them by their current item on Linux, which makes the form's
/// twelve date and time lists sound alike ("1", "January", "0"...).
class NamedList : public QComboBox {
  Q_OBJECT

 public:
  explicit NamedList(QWidget* parent = nullptr);
};

/// Gives every NamedList made from now on its own accessibility interface.
/// Lists made before the first call keep Qt's; calling again changes nothing.
void InstallNamedListAccessibility();

}  // namespace kelvra
