// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/json_rows.h"

#include "charts/chart_point.h"
#include "cosmodynes/contact_kinds.h"

namespace kelvra::cli {

namespace {

void OptionalDouble(JsonLine& w, std::string_view key, const std::optional<double>& value) {
  w.Key(key);
  if (value) {
    w.Double(*value);
  } else {
    w.Null();
  }
}

// Where a clock time was converted, the moment it gave.
void AddBirthMoment(JsonLine& w, const Conversion& conversion) {
  w.KeyString("ut", conversion.ut);
  w.KeyString("utcOffset", conversion.utcOffset);
}

void AddPerson(JsonLine& w, const ReportPerson& person, const NatalChart& chart, const ChartTexts& texts,
               const std::optional<Conversion>& conversion) {
  w.StartObject();
  w.KeyString("name", person.name);
  w.KeyString("dob", DateOfBirthText(person));
  w.KeyString("city", person.city);
  w.KeyString("state", person.state);
  w.KeyString("country", person.country);
  w.Key("chart");
  w.StartArray();
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    const ChartPoint point = kAllChartPoints[i];
    w.StartObject();
    w.KeyString("point", ChartPointName(point));
    w.KeyDouble("longitude", chart.Longitude[point]);
    w.KeyDouble("declination", chart.Declination[point]);
    w.KeyInt("house", static_cast<int>(chart.House[point]));
    w.KeyString("text", texts[i]);
    w.EndObject();
  }
  w.EndArray();
  if (conversion) AddBirthMoment(w, *conversion);
  w.EndObject();
}

void AddRange(JsonLine& w, std::string_view key, const FigureRange& range) {
  w.Key(key);
  w.StartArray();
  w.Int(range.low);
  w.Int(range.high);
  w.EndArray();
}

void AddPersonBand(JsonLine& w, std::string_view key, const PersonBand& band) {
  w.Key(key);
  w.StartObject();
  AddRange(w, "ph15", band.ph15);
  AddRange(w, "percentage15", band.percentage15);
  AddRange(w, "ph60", band.ph60);
  AddRange(w, "percentage60", band.percentage60);
  w.Key("commentChanges15");
  w.Bool(band.commentChanges15);
  w.EndObject();
}

}  // namespace

void StartAnalysisLine(JsonLine& w, std::uint64_t row, const CoupleAnalysis& analysis, const ReportPerson& male,
                       const ReportPerson& female, const ChartTexts& maleTexts, const ChartTexts& femaleTexts,
                       const Conversions& conversions) {
  w.Clear();
  w.StartObject();
  w.Key("row");
  w.Uint(row);
  w.Key("male");
  AddPerson(w, male, analysis.male, maleTexts, conversions[0]);
  w.Key("female");
  AddPerson(w, female, analysis.female, femaleTexts, conversions[1]);
  w.Key("contacts");
  w.StartArray();
  for (const Contact& c : analysis.contacts) {
    w.StartObject();
    w.KeyString("male", ChartPointName(c.malePoint));
    w.KeyString("female", ChartPointName(c.femalePoint));
    w.KeyString("kind", ContactKindName(c.kind));
    w.KeyString("pairAspect", AspectKindName(c.pairAspect));
    w.KeyDouble("strength", c.strength);
    w.EndObject();
  }
  w.EndArray();
  w.KeyDouble("powerTotal", analysis.totals.powerTotal);
  w.KeyDouble("harmonyTotal", analysis.totals.harmonyTotal);
  const CompatibilityResult& result = analysis.verdict.result;
  w.KeyInt("Power", result.Power);
  w.KeyInt("Harmony", result.Harmony);
  w.KeyInt("PH", result.PH);
  w.KeyInt("phPercentage", result.phPercentage);
  w.KeyString("comment", result.strComment);
}

void AddExplanation(JsonLine& w, const Explanation& explanation) {
  w.Key("explanation");
  w.StartObject();
  w.KeyDouble("startGain", explanation.startGain);
  w.KeyDouble("endGain", explanation.endGain);
  w.KeyDouble("bias", explanation.bias);
  w.Key("biasSource");
  if (explanation.biasSource) {
    w.Uint(*explanation.biasSource);
  } else {
    w.Null();
  }
  w.KeyDouble("deltaSum", explanation.deltaSum);
  OptionalDouble(w, "biasShare", explanation.biasShare);
  w.Key("contacts");
  w.StartArray();
  for (const ContactExplanation& c : explanation.contacts) {
    w.StartObject();
    w.KeyDouble("strength", c.contact.strength);
    w.KeyDouble("harmonyDelta", c.harmonyDelta);
    OptionalDouble(w, "recorded", c.recorded);
    w.KeyDouble("separation", c.separation);
    if (c.contact.kind == ContactKind::Parallel) {
      w.KeyDouble("maleDeclination", c.maleDeclination);
      w.KeyDouble("femaleDeclination", c.femaleDeclination);
    }
    w.KeyInt("detectionOrb", c.detectionOrb);
    w.KeyInt("powerOrb", c.powerOrb);
    w.KeyInt("maleHouse", c.maleHouse);
    w.KeyString("maleHouseClass", HouseClassName(c.maleHouseClass));
    w.KeyInt("femaleHouse", c.femaleHouse);
    w.KeyString("femaleHouseClass", HouseClassName(c.femaleHouseClass));
    w.Key("effects");
    w.StartArray();
    for (const HarmonyEffect& effect : c.effects) {
      w.StartObject();
      w.KeyString("rule", effect.rule);
      w.KeyDouble("amount", effect.amount);
      OptionalDouble(w, "records", effect.records);
      w.EndObject();
    }
    w.EndArray();
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
}

void AddBirthTimeBand(JsonLine& w, const BirthTimeBand& band) {
  w.Key("birthTimeBand");
  w.StartObject();
  AddPersonBand(w, "male", band.male);
  AddPersonBand(w, "female", band.female);
  w.KeyString("mostSensitive", SensitivityName(band.mostSensitive));
  w.EndObject();
}

void WriteRefusalLine(JsonLine& w, std::uint64_t row, std::string_view message) {
  w.Clear();
  w.StartObject();
  w.Key("row");
  w.Uint(row);
  w.KeyString("error", message);
  w.EndObject();
}

}  // namespace kelvra::cli
