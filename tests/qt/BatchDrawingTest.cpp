// What the batch tool draws against what the window draws: the exported picture of the delivered
// puzzle, made by the window's export button and by `gridlex-cli export`, byte for byte.

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "qt/MainWindow.h"
#include "qt/QtHost.h"

namespace gx {
namespace {

namespace fs = std::filesystem;

const fs::path Delivered = GRIDLEX_DIST_DIR;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The desktop host, except that the exported page is not opened in a browser.
class NoBrowserHost : public QtHost {
 public:
  NoBrowserHost() : QtHost(nullptr) {}
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
  void ShowInformation(std::string_view text) override { boxes.emplace_back(text); }
  void ShowError(std::string_view text) override { boxes.emplace_back(text); }
  std::vector<std::string> opened, boxes;
};

int RunCli(const std::string& arguments) {
  const int status = std::system((std::string(GRIDLEX_CLI_PATH) + " " + arguments + " 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DeliveredProgramFolder : public ::testing::Test {
 protected:
  DeliveredProgramFolder() : old_dir_(fs::current_path()), dir_(temp_.path().toStdString()) {
    for (const char* sub : {"data", "pic", "rek", "out"}) fs::create_directories(dir_ / sub);
    for (const char* file : {"gx.dat", "data/1.gx", "pic/b0", "pic/b2"}) fs::copy_file(Delivered / file, dir_ / file);
    fs::copy(Delivered / "snd", dir_ / "snd");
    // The user's own border colour (records 23..25, 16-bit each), so the palette must be read.
    std::fstream settings(dir_ / "gx.dat", std::ios::in | std::ios::out | std::ios::binary);
    settings.seekp(2 * 23);
    settings.write("\x00\x00\x80\x00\x00\x00", 6);
    std::ofstream(dir_ / "rek" / "rek.dat");
    fs::current_path(dir_);
  }
  ~DeliveredProgramFolder() override { fs::current_path(old_dir_); }

  // Starts the window in the folder (it loads 1.gx) and presses the export button.
  void ExportFromTheWindow() {
    TForm1 form(&host_, [] { return std::optional<PrinterResolution>{}; });
    form.show();
    QTest::qWait(10);
    ASSERT_EQ(form.State().puzzle.SlotCount, 56);
    QTest::mouseClick(form.Button(Button::SpeedButton11), Qt::LeftButton);
    ASSERT_TRUE(host_.boxes.empty()) << host_.boxes[0];
    ASSERT_EQ(host_.opened.size(), 1u);
  }

  QTemporaryDir temp_;
  fs::path old_dir_;
  fs::path dir_;
  NoBrowserHost host_;
};

TEST_F(DeliveredProgramFolder, TheBatchToolDrawsThePictureTheWindowExports) {
  ExportFromTheWindow();
  ASSERT_EQ(RunCli("export data/1.gx --gif out/picture.gif --program-dir ."), 0);
  const std::string window = ReadBytes(dir_ / "pic" / "pic.gif");
  ASSERT_GT(window.size(), 100u);
  EXPECT_TRUE(ReadBytes(dir_ / "out" / "picture.gif") == window) << "the pictures differ";
}

}  // namespace
}  // namespace gx
