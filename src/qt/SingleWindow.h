#pragma once
// One window per program folder: two windows on one folder would each write back its own
// settings and dictionary order at close, the last one silently undoing the other. The first
// start holds a lock file in the folder and listens on a local socket named after the folder's
// path; a later start hands over the puzzle file of its command line (if any) and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace gx {

class TForm1;

// What the main window does for a later start: it comes to the front and, when `puzzle` is named,
// opens it from its event loop once the later start has its answer (a box about the file shows
// here). Refused while a box or a long command holds the window. Returns the answer.
std::string AnswerLaterStart(TForm1& window, const std::string& puzzle);

class FolderOwner : public QObject {
 public:
  enum class Claim {
    Mine,        // this start has the folder
    HandedOver,  // the window that has it took the request
    Refused,     // the window that has it could not be reached or refused: `Message()` says why
  };

  // `program_dir` as the process sees it once it is the current folder (with links resolved).
  explicit FolderOwner(const std::string& program_dir);
  ~FolderOwner() override;

  // Takes the folder, or asks the window that has it to come to the front and to open `puzzle`
  // (an absolute path, or empty for none).
  Claim ClaimOrHandOver(const std::string& puzzle);
  // UTF-8: why the folder was not taken, or a warning when it was taken without its lock.
  const std::string& Message() const { return message_; }

  // Requests of later starts are passed to `handler` with their puzzle file; it answers "ok" or
  // why it did not do what was asked. Only after Claim::Mine.
  void Serve(std::function<std::string(const std::string& puzzle)> handler);

  // The name of the local socket for a folder (the same for every spelling of one folder's path).
  static QString SocketName(const std::string& program_dir);

 private:
  Claim HandOver(const std::string& puzzle);
  void Answer(class QLocalSocket* socket);

  std::string dir_;
  QLockFile lock_;
  std::unique_ptr<QLocalServer> server_;
  std::function<std::string(const std::string&)> handler_;
  std::string message_;
};

}  // namespace gx
