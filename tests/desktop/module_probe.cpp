// SPDX-License-Identifier: AGPL-3.0-or-later
// Stands in for kelvra inside an installed tree: copied beside the installed
// program, it asks the program's own loader where the lookup module is, loads
// it and prints its path.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "lookup/lookup_browser.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList directories = kelvra::LookupModuleDirectories();
  for (const QString& directory : directories) {
    const QString path = QDir(directory).filePath(QStringLiteral(KELVRA_LOOKUP_MODULE_FILE));
    if (!QFileInfo::exists(path)) continue;
    QLibrary library(path);
    if (!library.load()) {
      std::fprintf(stderr, "%s\n", qPrintable(library.errorString()));
      return 1;
    }
    if (!library.resolve(kelvra::kCreateLookupBrowserSymbol)) {
      std::fprintf(stderr, "%s has no lookup browser entry point\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(QFileInfo(path).canonicalFilePath()));
    return 0;
  }
  std::fprintf(stderr, "no lookup module in %s\n", qPrintable(directories.join(QStringLiteral(", "))));
  return 1;
}
