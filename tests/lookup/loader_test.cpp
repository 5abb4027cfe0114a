// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
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
  EXPECT_EQ(Fail(), "The lookup browser cannot be opened. Its module kelvra_lookup_browser.so was not found in " +
                        folder.path() + ".");
}

// Worded as Qt words the failure to load that file.
TEST_F(ModuleLoader, BrokenModuleIsNamed) {
  QFile broken(QDir(folder.path()).filePath("kelvra_lookup_browser.so"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a library");
  broken.close();
  QLibrary library(broken.fileName());
  ASSERT_FALSE(library.load());
  EXPECT_EQ(Fail(), "The lookup browser cannot be opened. " + library.errorString());
}

TEST_F(ModuleLoader, LibraryWithoutTheEntryPointIsRefused) {
  const QString path = QDir(folder.path()).filePath("kelvra_lookup_browser.so");
  ASSERT_TRUE(QFile::copy(NOT_A_BROWSER_MODULE, path));
  EXPECT_EQ(Fail(),
            "The lookup browser cannot be opened. " + path + " is not a lookup browser module of this Kelvra version.");
}

TEST_F(ModuleLoader, BuildPutsTheModuleWhereItIsLookedFor) {
  const QStringList directories = LookupModuleDirectories();
  ASSERT_FALSE(directories.isEmpty());
  EXPECT_EQ(directories.first(), QCoreApplication::applicationDirPath());
  for (const QString& directory : directories) EXPECT_EQ(directory, QDir::cleanPath(directory));
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
