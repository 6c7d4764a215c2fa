#pragma once
// The running instance's end of the hand-over: a local socket in the user-only runtime
// directory. Each connection's bytes go to a receiver of its own, so two later starts
// at the same moment never mix their parameters; a connection that sends too much is
// closed, one that ends mid-transfer delivers nothing.
//
// Handing parameters on may run for long (a search lets events run): it never happens
// inside a socket's signal, where the socket could be closed and freed under its own feet,
// and one hand-over is handled after the other, never within another's search.
#include <QHash>
#include <QObject>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Transfer.h"

class QLocalServer;
class QLocalSocket;

namespace varnoke {

class TransferServer : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(const std::vector<std::string>& parameters)>;

  TransferServer(Handler handler, QObject* parent = nullptr);
  // Listens at `path` (a socket file left by a crashed instance is removed first: the
  // caller holds the instance lock, so no live server can be there).
  bool Listen(const std::string& path);

 private:
  void Accept();
  void Read(QLocalSocket* socket);
  void DeliverPending();

  Handler handler_;
  QLocalServer* server_;
  QHash<QLocalSocket*, TransferReceiver> receivers_;
  std::deque<std::vector<std::string>> pending_;
  bool delivering_ = false;
};

}  // namespace varnoke
