// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/json_line.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>
#include <cstring>
#include <random>

namespace kelvra::cli {
namespace {

TEST(JsonLine, WritesCompactJsonWithFixedEscapesAndNumbers) {
  JsonLine w;
  w.StartObject();
  w.Key("row");
  w.Uint(18446744073709551615u);
  w.KeyString("text", std::string("q\"b\\s/\b\f\n\r\t\x01\x1F\x7F z\xC3\xAB\0", 19));  // NUL last
  w.Key("numbers");
  w.StartArray();
  w.Int(-2147483648);
  w.Double(111.12556700096587);
  w.Double(0.1);
  w.Double(-0.0);
  w.Double(std::numeric_limits<double>::quiet_NaN());
  w.Double(std::numeric_limits<double>::infinity());
  w.StartObject();
  w.EndObject();
  w.StartArray();
  w.EndArray();
  w.EndArray();
  w.EndObject();
  EXPECT_EQ(w.text(),
            "{\"row\":18446744073709551615,\"text\":\"q\\\"b\\\\s/\\b\\f\\n\\r\\t\\u0001\\u001F\x7F z\xC3\xAB\\u0000\","
            "\"numbers\":[-2147483648,111.12556700096587,0.1,-0,null,null,{},[]]}");
  w.Clear();
  w.String("again");
  EXPECT_EQ(w.text(), "\"again\"");
}

// Any valid UTF-8 text and any finite double read back exactly, through a
// parser of another make.
TEST(JsonLine, EveryTextAndNumberReadsBack) {
  std::mt19937_64 random(11);
  auto codePoint = [&] {
    switch (random() % 4) {
      case 0: return static_cast<char32_t>(random() % 0x80);
      case 1: return static_cast<char32_t>(0x80 + random() % 0x780);
      case 2: {
        char32_t c = static_cast<char32_t>(0x800 + random() % 0xF800);
        return c >= 0xD800 && c <= 0xDFFF ? U'x' : c;
      }
      default: return static_cast<char32_t>(0x10000 + random() % 0x100000);
    }
  };
  auto utf8 = [](char32_t c, std::string& out) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  };
  JsonLine w;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (std::size_t n = random() % 12; n > 0; --n) utf8(codePoint(), text);
    double number;
    do {
      const std::uint64_t bits = random();
      std::memcpy(&number, &bits, sizeof number);
    } while (!std::isfinite(number));
    w.Clear();
    w.StartObject();
    w.KeyString(text, text);
    w.Key("n");
    w.Double(number);
    w.EndObject();

    QJsonParseError error{};
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(w.text()), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << w.text();
    const QString key = QString::fromStdString(text);
    ASSERT_TRUE(doc.contains(key)) << w.text();
    EXPECT_EQ(doc.value(key).toString().toStdString(), text);
    EXPECT_EQ(doc.value(QStringLiteral("n")).toDouble(), number) << w.text();
  }
}

}  // namespace
}  // namespace kelvra::cli
