// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "charts/birth_data.h"
#include "csv/entry_values.h"

namespace kelvra::cli {

enum class Partner { Male, Female };

using csv::kPersonColumns;

/// "male_" or "female_".
std::string_view ColumnPrefix(Partner partner);

/// "male_name", "female_long_dir", ...
std::string ColumnName(Partner partner, std::string_view column);

/// How one person's columns are named in a source, and whose entry-form
/// messages an empty value gives (the form words some boxes differently for
/// the man and the woman).
struct PersonColumns {
  std::string_view prefix;  ///< "male_", "female_", or "" where a file holds one person a row
  Partner wording = Partner::Male;
};

/// The columns of a couple's partner: "male_..." with the man's messages.
PersonColumns CoupleColumns(Partner partner);

/// One person's values, in kPersonColumns order.
using PersonFields = std::array<std::string_view, kPersonColumns.size()>;

/// A person read from their columns: the birth record, or the first problem
/// as "column: message", the column named with its prefix.
struct PersonResult {
  std::optional<BirthData> birth;
  std::string error;
};

/// Checks one person's values in column order and builds the birth record.
/// Numbers are digits only; Day and Year are kept as their decimal text
/// without leading zeros, as the entry form's lists give them. Texts are kept
/// verbatim, and must be valid UTF-8.
PersonResult ReadPerson(const PersonColumns& columns, const PersonFields& fields);

/// ReadPerson with the couple's columns of `partner`.
PersonResult ReadPerson(Partner partner, const PersonFields& fields);

}  // namespace kelvra::cli
