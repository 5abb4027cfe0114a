// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace kelvra::cli {

/// A parsed JSON value for tests, read with Qt's parser: rapidjson 1.1.0's
/// reader does pointer arithmetic on a null stack that clang's sanitizer stops
/// at, so the tests read kelvra-cli's output with a parser of their own.
class Json {
 public:
  Json() = default;
  explicit Json(QJsonValue value) : value_(std::move(value)) {}

  Json operator[](const char* key) const { return Json(value_.toObject().value(QLatin1String(key))); }
  Json operator[](std::size_t i) const { return Json(value_.toArray().at(static_cast<qsizetype>(i))); }
  const Json& GetArray() const { return *this; }

  int GetInt() const { return value_.toInt(); }
  std::uint64_t GetUint64() const { return static_cast<std::uint64_t>(value_.toInteger()); }
  double GetDouble() const { return value_.toDouble(); }
  std::string GetString() const { return value_.toString().toStdString(); }
  bool IsInt() const { return value_.isDouble() && value_.toDouble() == std::floor(value_.toDouble()); }
  bool HasMember(const char* key) const { return value_.toObject().contains(QLatin1String(key)); }
  std::size_t MemberCount() const { return static_cast<std::size_t>(value_.toObject().size()); }
  std::size_t Size() const { return static_cast<std::size_t>(value_.toArray().size()); }
  bool Empty() const { return value_.toArray().isEmpty(); }

 private:
  QJsonValue value_;
};

inline std::string Str(const Json& value) { return value.GetString(); }

/// Each line of `out` as one JSON document; a line that is no JSON fails the test.
inline std::vector<Json> JsonLines(const std::string& out) {
  std::vector<Json> docs;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    docs.emplace_back(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(doc.array()));
  }
  return docs;
}

}  // namespace kelvra::cli
