// SPDX-License-Identifier: AGPL-3.0-or-later
#include "atlas/atlas_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <mutex>

namespace kelvra {

namespace {

AtlasService*& Loaded() {
  static AtlasService* service = nullptr;
  return service;
}

}  // namespace

QStringList AtlasModuleDirectories() {
  const QString programDirectory = QCoreApplication::applicationDirPath();
  return {programDirectory, QDir::cleanPath(programDirectory + QStringLiteral("/" KELVRA_ATLAS_INSTALLED_MODULE_DIR)),
          QStringLiteral(KELVRA_ATLAS_BUILD_MODULE_DIR)};
}

AtlasService* LoadAtlas(QString* failure) {
  static std::mutex mutex;
  const std::lock_guard lock(mutex);
  if (Loaded()) return Loaded();
  const QString fileName = QStringLiteral(KELVRA_ATLAS_MODULE_FILE);
  QStringList problems;
  for (const QString& directory : AtlasModuleDirectories()) {
    const QString path = QDir(directory).filePath(fileName);
    if (!QFileInfo::exists(path)) continue;
    // Stays loaded for the rest of the run: its places are handed out by pointer.
    QLibrary library(path);
    if (!library.load()) {
      problems << library.errorString();
      continue;
    }
    if (auto entry = reinterpret_cast<AtlasServiceFunction>(library.resolve(kAtlasServiceSymbol))) {
      return Loaded() = entry();
    }
    problems << QStringLiteral("%1 is not an atlas module of this Kelvra version.").arg(path);
  }
  if (failure) {
    if (problems.isEmpty()) {
      problems << QStringLiteral("Its module %1 was not found in %2.")
                      .arg(fileName, AtlasModuleDirectories().join(QStringLiteral(", ")));
    }
    *failure = QStringLiteral("The atlas cannot be opened. ") + problems.join(QLatin1Char(' '));
  }
  return nullptr;
}

bool AtlasLoaded() { return Loaded() != nullptr; }

}  // namespace kelvra
