// The window program run as processes: one window per program folder, and an end by SIGTERM
// when the settings cannot be written.

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "base/Host.h"
#include "qt/MainWindow.h"
#include "qt/SingleWindow.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

// A window program on the offscreen platform with its own home.
class Window {
 public:
  Window(const QTemporaryDir& home, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(home.path());
    process_.start(QStringLiteral(GRIDLEX_WINDOW_PATH), args);
  }
  ~Window() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(10000);
    }
  }
  // The exit status, or nothing when the program is still running after `ms`.
  std::optional<int> Ended(int ms) {
    if (!process_.waitForFinished(ms)) return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : 1000 + process_.exitCode();
  }
  void Terminate() { ::kill(static_cast<pid_t>(process_.processId()), SIGTERM); }
  std::string Errors() {
    process_.waitForReadyRead(200);
    errors_ += process_.readAllStandardError().toStdString();
    return errors_;
  }
  bool Running() { return !Ended(0).has_value(); }

 private:
  QProcess process_;
  std::string errors_;
};

// True once the window on `dir` answers a later start (it is up, its event loop runs).
bool Answers(const std::string& dir, int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(FolderOwner::SocketName(dir));
    if (socket.waitForConnected(500)) {
      socket.write("\n");
      QByteArray answer;
      while (!answer.endsWith('\n') && socket.waitForReadyRead(2000)) answer += socket.readAll();
      if (answer == "ok\n") return true;
    }
    QThread::msleep(200);
  }
  return false;
}

constexpr int kStartMs = 90000;  // a first start copies the delivered folder; the machine may be busy

TEST(WindowProcess, ASecondStartOnOneFolderHandsItsPuzzleToTheFirstWindow) {
  QTemporaryDir home;
  const std::string dir = home.filePath(QStringLiteral("folder")).toStdString();
  Window first(home, {QStringLiteral("--program-dir"), QString::fromStdString(dir)});
  ASSERT_TRUE(Answers(dir, kStartMs)) << first.Errors();

  // Another spelling of the same folder, with a puzzle file to open there.
  fs::copy_file(fs::path(GRIDLEX_DIST_DIR) / "data" / "1.gx", home.filePath(QStringLiteral("other.gx")).toStdString());
  Window second(home, {QStringLiteral("--program-dir"), QStringLiteral("./folder/../folder/"), QStringLiteral("other.gx")});
  EXPECT_EQ(second.Ended(60000), std::optional<int>(0)) << "a second window was opened: " << second.Errors();
  EXPECT_TRUE(first.Running()) << first.Errors();

  // A folder whose lock is held by a live process that does not answer: the start says so and
  // refuses (its box gives way to SIGTERM).
  const std::string held = home.filePath(QStringLiteral("held")).toStdString();
  fs::create_directories(held);
  QLockFile lock(QString::fromStdString(held + "/.gridlex-window.lock"));
  ASSERT_TRUE(lock.tryLock(0));
  Window refused(home, {QStringLiteral("--program-dir"), QString::fromStdString(held)});
  std::string errors;
  QDeadlineTimer deadline(60000);
  while (errors.find("cannot be reached") == std::string::npos && !deadline.hasExpired() && refused.Running()) {
    errors = refused.Errors();
  }
  EXPECT_NE(errors.find("gridlex: the window already open on " + held), std::string::npos) << errors;
  EXPECT_NE(errors.find("cannot be reached"), std::string::npos) << errors;
  refused.Terminate();
  const std::optional<int> status = refused.Ended(30000);
  ASSERT_TRUE(status.has_value());
  EXPECT_NE(*status, 0);

  first.Terminate();
  EXPECT_EQ(first.Ended(30000), std::optional<int>(0)) << first.Errors();
}

TEST(WindowProcess, SigtermWhileTheSettingsCannotBeWrittenEndsTheProgramNamingTheFile) {
  QTemporaryDir home;
  const std::string dir = home.filePath(QStringLiteral("folder")).toStdString();
  Window window(home, {QStringLiteral("--program-dir"), QString::fromStdString(dir)});
  ASSERT_TRUE(Answers(dir, kStartMs)) << window.Errors();
  // A folder (not empty) where gx.dat was: no file can be renamed onto it.
  fs::remove(dir + "/gx.dat");
  fs::create_directories(dir + "/gx.dat/in-the-way");
  window.Terminate();
  const std::optional<int> status = window.Ended(30000);
  ASSERT_TRUE(status.has_value()) << "the program waits for a click";
  EXPECT_EQ(*status, 1);
  const std::string errors = window.Errors();
  EXPECT_NE(errors.find(": " + dir + "/gx.dat\n"), std::string::npos) << errors;
  EXPECT_NE(errors.find("ended by SIGTERM"), std::string::npos) << errors;
  EXPECT_TRUE(fs::exists(dir + "/gx.dat/in-the-way"));
}

// The first window's side: it opens the puzzle handed over, or says why not.
TEST(WindowProcess, TheFirstWindowOpensWhatALaterStartHandsOver) {
  QTemporaryDir dir;
  const fs::path old_dir = fs::current_path();
  fs::current_path(dir.path().toStdString());
  fs::create_directories("data");
  fs::create_directories("rek");
  { std::ofstream("rek/rek.dat"); }
  fs::copy_file(fs::path(GRIDLEX_DIST_DIR) / "data" / "1.gx", "handed.gx");
  NullHost host;
  {
    TForm1 form(&host, [] { return std::optional<PrinterResolution>{}; });
    const std::string handed = (fs::current_path() / "handed.gx").string();
    EXPECT_EQ(AnswerLaterStart(form, handed), "ok");
    EXPECT_TRUE(form.isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(form.State().PuzzleFileName, "handed.gx");
    EXPECT_GT(form.State().puzzle.SlotCount, 0);
  }
  fs::current_path(old_dir);
}

}  // namespace
}  // namespace gx
