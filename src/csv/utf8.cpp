// SPDX-License-Identifier: AGPL-3.0-or-later
#include "csv/utf8.h"

#include <rapidjson/encodings.h>
#include <rapidjson/memorystream.h>

namespace kelvra::csv {

bool IsValidUtf8(std::string_view text) {
  rapidjson::MemoryStream in(text.data(), text.size());
  struct Discard {
    void Put(char) {}
  } out;
  while (in.Tell() < text.size()) {
    if (!rapidjson::UTF8<>::Validate(in, out)) return false;
  }
  // A sequence cut short by the end of the text reads past it as NULs, which fail above.
  return in.Tell() == text.size();
}

}  // namespace kelvra::csv
