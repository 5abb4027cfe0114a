// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry form and kelvra-cli ask for a missing entry in the same words:
// with a translation installed, both say what the translation says.
#include <gtest/gtest.h>

#include <string>

#include "builders.h"
#include "cli/person_reader.h"
#include "entry/validation.h"
#include "vocabulary/entry_words.h"

namespace kelvra {
namespace {

std::string Marked(const char*, const char* text, const char*, int) { return "<" + std::string(text) + ">"; }

class ScopedLookup {
 public:
  explicit ScopedLookup(TextLookup lookup) : previous_(SetTextLookup(lookup)) {}
  ~ScopedLookup() { SetTextLookup(previous_); }

 private:
  TextLookup previous_;
};

PersonEntries Complete() { return testing::MakeEntries({}); }

TEST(MissingEntry, FormAndCommandLineSayTheSame) {
  const struct {
    const char* column;
    void (*clear)(PersonEntries&);
  } rows[] = {
      {"name", [](PersonEntries& e) { e.name.clear(); }},
      {"lat_deg", [](PersonEntries& e) { e.latDeg.clear(); }},
      {"lat_min", [](PersonEntries& e) { e.latMin.clear(); }},
      {"long_deg", [](PersonEntries& e) { e.longDeg.clear(); }},
      {"long_min", [](PersonEntries& e) { e.longMin.clear(); }},
      {"city", [](PersonEntries& e) { e.city.clear(); }},
      {"state", [](PersonEntries& e) { e.state.clear(); }},
      {"country", [](PersonEntries& e) { e.country.clear(); }},
      {"lat_dir", [](PersonEntries& e) { e.north = e.south = false; }},
      {"long_dir", [](PersonEntries& e) { e.east = e.west = false; }},
  };
  const cli::PersonFields complete = {"Ann", "1", "1", "1980", "0", "0", "0", "1", "2", "N",
                                      "3", "4", "E", "Oslo", "Oslo", "Norway"};
  for (const TextLookup lookup : {TextLookup{nullptr}, TextLookup{Marked}}) {
    const ScopedLookup scoped(lookup);
    for (const cli::Partner partner : {cli::Partner::Male, cli::Partner::Female}) {
      const bool male = partner == cli::Partner::Male;
      for (const auto& row : rows) {
        PersonEntries missing = Complete();
        row.clear(missing);
        const auto failure = male ? FirstFailingCheck(missing, Complete()) : FirstFailingCheck(Complete(), missing);
        ASSERT_TRUE(failure) << row.column;

        cli::PersonFields fields = complete;
        for (std::size_t i = 0; i < fields.size(); ++i) {
          if (cli::kPersonColumns[i] == row.column) fields[i] = "";
        }
        const std::string column = cli::ColumnName(partner, row.column);
        EXPECT_EQ(cli::ReadPerson(partner, fields).error,
                  Tr(words::kColumnRefusal, {column, failure->message.toStdString()}));
        if (lookup) {
          EXPECT_TRUE(failure->message.startsWith('<')) << column;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvra
