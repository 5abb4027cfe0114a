// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace kelvra {

/// A PDF's XMP packet naming its title, description and creator. QPdfWriter
/// writes no description of its own, and a packet set by hand replaces the
/// one it would write, so the title and creator go in here too.
QByteArray PdfXmpMetadata(const QString& title, const QString& description, const QString& creator);

}  // namespace kelvra
