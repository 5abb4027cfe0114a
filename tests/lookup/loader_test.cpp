// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fake_director.h"
#include "lookup/lookup_browser.h"
#include "lookup/web_sandbox.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

using testing::FakeDirector;
using testing::RecordingEphemeris;

class ModuleLoader : public ::testing::Test {
 protected:
  QString Fail() {
    const ScopedLookupModuleDirectories directories({folder.path()});
    QString failure;
    EXPECT_EQ(CreateLookupBrowser(director, &failure), nullptr);
    EXPECT_FALSE(LookupModuleLoaded());
    return failure;
  }

  QTemporaryDir folder;
  RecordingEphemeris ephemeris;
  FakeDirector director{ephemeris};
};

TEST_F(ModuleLoader, MissingModuleIsReportedNotFatal) {
  const QString failure = Fail();
  EXPECT_TRUE(failure.startsWith("The lookup browser cannot be opened.")) << failure.toStdString();
  EXPECT_TRUE(failure.contains("kelvra_lookup_browser")) << failure.toStdString();
  EXPECT_TRUE(failure.contains(folder.path())) << failure.toStdString();
}

TEST_F(ModuleLoader, BrokenModuleIsNamed) {
  QFile broken(QDir(folder.path()).filePath("kelvra_lookup_browser.so"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a library");
  broken.close();
  const QString failure = Fail();
  EXPECT_TRUE(failure.contains(broken.fileName())) << failure.toStdString();
}

TEST_F(ModuleLoader, LibraryWithoutTheEntryPointIsRefused) {
  ASSERT_TRUE(QFile::copy(NOT_A_BROWSER_MODULE, QDir(folder.path()).filePath("kelvra_lookup_browser.so")));
  const QString failure = Fail();
  EXPECT_TRUE(failure.contains("is not a lookup browser module")) << failure.toStdString();
}

TEST_F(ModuleLoader, BuildPutsTheModuleWhereItIsLookedFor) {
  const QStringList directories = LookupModuleDirectories();
  ASSERT_FALSE(directories.isEmpty());
  EXPECT_EQ(directories.first(), QCoreApplication::applicationDirPath());
  const bool found = std::any_of(directories.begin(), directories.end(), [](const QString& directory) {
    return QFileInfo::exists(QDir(directory).filePath("kelvra_lookup_browser.so"));
  });
  EXPECT_TRUE(found) << directories.join(", ").toStdString();
}

// The user's own switches stay; asking twice adds the switch once.
TEST(WebSandbox, IsSwitchedOffForRootOnly) {
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=de");
  DisableWebSandboxForRoot();
  DisableWebSandboxForRoot();
  EXPECT_EQ(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"),
            geteuid() == 0 ? QByteArray("--lang=de --no-sandbox") : QByteArray("--lang=de"));
  qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
}

}  // namespace
}  // namespace kelvra
