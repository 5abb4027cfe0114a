// SPDX-License-Identifier: AGPL-3.0-or-later
#include "csv/csv_field.h"

#include <csv.h>

namespace kelvra::csv {

void AppendCsvField(std::string& line, std::string_view field, std::string& scratch) {
  const bool needsQuotes = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!field.empty() && (field.front() == ' ' || field.front() == '\t' ||
                                               field.back() == ' ' || field.back() == '\t'));
  if (!needsQuotes) {
    line.append(field);
    return;
  }
  scratch.resize(2 * field.size() + 2);  // every byte a quote, plus the enclosing pair
  const std::size_t n = csv_write(scratch.data(), scratch.size(), field.data(), field.size());
  line.append(scratch, 0, n);
}

}  // namespace kelvra::csv
