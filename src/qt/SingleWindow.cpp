#include "qt/SingleWindow.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QApplication>
#include <QThread>
#include <QTimer>

#include "base/SafeText.h"
#include "qt/MainWindow.h"

namespace gx {

namespace {

const char kLockName[] = ".gridlex-window.lock";
constexpr int kConnectMs = 5000;   // a first start may still be between its lock and its socket
constexpr int kAnswerMs = 20000;   // the window answers from its event loop, perhaps behind a load
constexpr qint64 kMaxRequest = 16384;

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

std::string AnswerLaterStart(TForm1& window, const std::string& puzzle) {
  if (window.isMinimized()) window.showNormal();
  window.show();
  window.raise();
  window.activateWindow();
  if (puzzle.empty()) return "ok";
  if (QApplication::activeModalWidget() != nullptr || window.GetCommands().Busy()) {
    return "it is busy (a box is open or a long command runs), so " + SafeText(puzzle) + " was not opened";
  }
  QTimer::singleShot(0, &window, [&window, puzzle] {
    window.GetCommands().LoadNamedFile(puzzle);
    window.ShowState();
  });
  return "ok";
}

QString FolderOwner::SocketName(const std::string& program_dir) {
  const QByteArray path = QDir(QString::fromLocal8Bit(program_dir.data(), static_cast<qsizetype>(program_dir.size())))
                              .canonicalPath()
                              .toLocal8Bit();
  const QByteArray hash = QCryptographicHash::hash(path.isEmpty() ? QByteArray(program_dir.data()) : path,
                                                   QCryptographicHash::Sha256)
                              .toHex()
                              .left(24);
  return QStringLiteral("gridlex-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

FolderOwner::FolderOwner(const std::string& program_dir)
    : dir_(program_dir),
      lock_(QDir(QString::fromLocal8Bit(program_dir.data(), static_cast<qsizetype>(program_dir.size())))
                .filePath(QString::fromLatin1(kLockName))) {
  lock_.setStaleLockTime(0);  // a lock is stale only when its process is gone, however old
}

FolderOwner::~FolderOwner() {
  if (server_) server_->close();
}

FolderOwner::Claim FolderOwner::ClaimOrHandOver(const std::string& puzzle) {
  if (lock_.tryLock(0)) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = SocketName(dir_);
    QLocalServer::removeServer(name);  // left by a start that was killed: the lock was free
    if (!server_->listen(name)) {
      message_ = "later starts on this folder cannot reach this window: " + Text(server_->errorString());
    }
    return Claim::Mine;
  }
  if (lock_.error() == QLockFile::LockFailedError) return HandOver(puzzle);
  // No lock can be made here (a read-only folder): the start goes on, as it did before.
  message_ = "no lock in " + SafeText(dir_) + ": a second window on this folder is not prevented";
  return Claim::Mine;
}

FolderOwner::Claim FolderOwner::HandOver(const std::string& puzzle) {
  qint64 pid = 0;
  QString host, application;
  lock_.getLockInfo(&pid, &host, &application);
  const std::string holder = "the window already open on " + SafeText(dir_) + " (process " + std::to_string(pid) + ")";
  QLocalSocket socket;
  QDeadlineTimer connecting(kConnectMs);
  for (;;) {
    socket.connectToServer(SocketName(dir_));
    if (socket.waitForConnected(500)) break;
    if (connecting.hasExpired()) {
      message_ = holder + " cannot be reached (" + Text(socket.errorString()) +
                 "); a second window on one folder would undo its settings, so none is opened";
      return Claim::Refused;
    }
    QThread::msleep(100);
  }
  socket.write(QByteArray::fromStdString(puzzle) + '\n');
  QByteArray answer;
  QDeadlineTimer answering(kAnswerMs);
  while (!answer.endsWith('\n') && !answering.hasExpired() && socket.state() == QLocalSocket::ConnectedState) {
    if (socket.bytesToWrite() > 0) socket.waitForBytesWritten(100);
    if (socket.waitForReadyRead(100)) answer += socket.readAll();
  }
  answer += socket.readAll();
  if (answer.endsWith('\n')) answer.chop(1);
  if (answer == "ok") return Claim::HandedOver;
  message_ = holder + (answer.isEmpty() ? std::string(" did not answer") : ": " + SafeText(answer.toStdString()));
  return Claim::Refused;
}

void FolderOwner::Serve(std::function<std::string(const std::string& puzzle)> handler) {
  handler_ = std::move(handler);
  if (!server_) return;
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
      if (socket->bytesAvailable() > 0) Answer(socket);
    }
  });
}

void FolderOwner::Answer(QLocalSocket* socket) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > kMaxRequest) socket->abort();
    return;
  }
  QByteArray line = socket->readLine(kMaxRequest);
  if (line.endsWith('\n')) line.chop(1);
  const std::string reply = handler_ ? handler_(line.toStdString()) : std::string("ok");
  socket->write(QByteArray::fromStdString(reply) + '\n');
  socket->flush();
  socket->disconnectFromServer();
}

}  // namespace gx
