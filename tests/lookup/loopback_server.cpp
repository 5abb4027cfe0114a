// SPDX-License-Identifier: AGPL-3.0-or-later
#include "loopback_server.h"

#include <QTcpSocket>

namespace kelvra::testing {

LoopbackServer::LoopbackServer() {
  server_.listen(QHostAddress::LocalHost);
  connect(&server_, &QTcpServer::newConnection, this, &LoopbackServer::handleConnection);
}

QUrl LoopbackServer::url(const QString& path) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LoopbackServer::setPage(const QByteArray& path, const QByteArray& title, const QByteArray& body) {
  pages_[path] = "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

int LoopbackServer::count(const QByteArray& path) const {
  return int(std::count_if(requests.begin(), requests.end(), [&](const Request& r) { return r.path == path; }));
}

LoopbackServer::Request LoopbackServer::first(const QByteArray& path) const {
  for (const Request& request : requests)
    if (request.path == path) return request;
  return {};
}

void LoopbackServer::handleConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { handleReadyRead(socket); });
  }
}

void LoopbackServer::handleReadyRead(QTcpSocket* socket) {
  QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
  socket->setProperty("buffer", buffer);
  const qsizetype end = buffer.indexOf("\r\n\r\n");
  if (end < 0) return;
  socket->setProperty("buffer", buffer.mid(end + 4));

  const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
  const QByteArray target = requestLine.value(1);
  const qsizetype question = target.indexOf('?');
  Request request{question < 0 ? target : target.left(question), question < 0 ? QByteArray() : target.mid(question + 1)};
  requests << request;
  if (held_.contains(request.path)) return;

  const auto page = pages_.constFind(request.path);
  const bool found = page != pages_.constEnd();
  const QByteArray body = found ? *page : QByteArray("not found");
  socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                QByteArray("Content-Type: text/html; charset=utf-8\r\nContent-Length: ") +
                QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
  socket->disconnectFromHost();
}

QList<std::pair<QString, QString>> FormFields(const QByteArray& query) {
  QList<std::pair<QString, QString>> fields;
  auto decode = [](QByteArray text) { return QString::fromUtf8(QByteArray::fromPercentEncoding(text.replace('+', ' '))); };
  for (const QByteArray& pair : query.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype equals = pair.indexOf('=');
    fields.emplace_back(decode(pair.left(equals)), equals < 0 ? QString() : decode(pair.mid(equals + 1)));
  }
  return fields;
}

}  // namespace kelvra::testing
