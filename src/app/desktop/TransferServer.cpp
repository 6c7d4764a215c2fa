#include "app/desktop/TransferServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace varnoke {

TransferServer::TransferServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
  connect(server_, &QLocalServer::newConnection, this, &TransferServer::Accept);
}

bool TransferServer::Listen(const std::string& path) {
  const QString name = QString::fromStdString(path);
  QLocalServer::removeServer(name);
  return server_->listen(name);
}

void TransferServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    receivers_.insert(socket, TransferReceiver{});
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
      Read(socket);  // what arrived with the close
      receivers_.remove(socket);
      socket->deleteLater();
    });
  }
}

void TransferServer::Read(QLocalSocket* socket) {
  auto receiver = receivers_.find(socket);
  if (receiver == receivers_.end()) return;
  const QByteArray bytes = socket->readAll();
  const auto transfers =
      receiver->Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (receiver->Failed()) {
    receivers_.erase(receiver);
    socket->abort();
  }
  if (transfers.empty()) return;
  for (const auto& parameters : transfers) pending_.push_back(parameters);
  QMetaObject::invokeMethod(this, &TransferServer::DeliverPending, Qt::QueuedConnection);
}

void TransferServer::DeliverPending() {
  if (delivering_) return;  // the one delivering takes what arrived meanwhile
  delivering_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{delivering_};
  while (!pending_.empty()) {
    const std::vector<std::string> parameters = std::move(pending_.front());
    pending_.pop_front();
    handler_(parameters);
  }
}

}  // namespace varnoke
