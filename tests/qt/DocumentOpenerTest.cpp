#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "qt/DocumentOpener.h"

namespace {

// Stands in for the desktop: receives what would have been handed to the default program.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

class DocumentOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override { QDesktopServices::setUrlHandler("file", &recorder_, "Open"); }
  void TearDown() override { QDesktopServices::unsetUrlHandler("file"); }
  UrlRecorder recorder_;
  QTemporaryDir dir_;
};

TEST_F(DocumentOpenerTest, HandsAnExistingPageToTheDesktopAsALocalFileUrl) {
  const QString path = dir_.filePath("r205.htm");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<html></html>");
  file.close();
  EXPECT_TRUE(gx::OpenDocument(path));
  ASSERT_EQ(recorder_.opened.size(), 1);
  EXPECT_TRUE(recorder_.opened[0].isLocalFile());
  EXPECT_EQ(recorder_.opened[0].toLocalFile(), path);
}

TEST_F(DocumentOpenerTest, MissingPagesEmptyNamesAndFoldersOpenNothing) {
  EXPECT_FALSE(gx::OpenDocument(dir_.filePath("gx1.htm")));
  EXPECT_FALSE(gx::OpenDocument(QString()));
  EXPECT_FALSE(gx::OpenDocument(dir_.path()));
  EXPECT_TRUE(recorder_.opened.isEmpty());
}

}  // namespace

#include "DocumentOpenerTest.moc"
