// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

namespace kelvra::testing {

/// A minimal HTTP server on 127.0.0.1 for browser tests: it answers GET with
/// the pages it was given, 404 otherwise, holds the paths it is told to hold
/// without ever answering, and records every request.
class LoopbackServer : public QObject {
  Q_OBJECT

 public:
  struct Request {
    QByteArray path;   ///< without the query
    QByteArray query;  ///< as sent, still encoded
  };

  LoopbackServer();

  QUrl url(const QString& path) const;
  void setPage(const QByteArray& path, const QByteArray& title, const QByteArray& body = {});
  void hold(const QByteArray& path) { held_ << path; }

  QList<Request> requests;
  int count(const QByteArray& path) const;
  /// The first request for `path`; an empty one when there was none.
  Request first(const QByteArray& path) const;

 private:
  void handleConnection();
  void handleReadyRead(QTcpSocket* socket);

  QTcpServer server_;
  QMap<QByteArray, QByteArray> pages_;
  QSet<QByteArray> held_;
};

/// The fields of a form submitted by GET, in order: '+' read as a blank,
/// %XX decoded, bytes taken as UTF-8.
QList<std::pair<QString, QString>> FormFields(const QByteArray& query);

}  // namespace kelvra::testing
