// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "csv/system_reason.h"

namespace kelvra::cli {

namespace {

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::string> ReplaceFile(const std::string& path, std::string_view contents) {
  const std::filesystem::path target(path);
  // Hidden and named by process, so neither a reader nor a second run takes it for a result.
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + name at -O3.
  std::string hidden(1, '.');
  hidden += target.filename().string();
  hidden += '.';
  hidden += std::to_string(::getpid());
  hidden += ".tmp";
  const std::string temporary = (target.parent_path() / hidden).string();
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0 && errno == EEXIST) {
    // Left by an earlier process of the same id that died mid-write.
    ::unlink(temporary.c_str());
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  }
  if (fd < 0) return csv::SystemReason(errno);
  bool written = WriteAll(fd, contents);
  int error = written ? 0 : errno;
  // Some file systems report a failed write only when the file is closed.
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return csv::SystemReason(error);
  }
  return std::nullopt;
}

}  // namespace kelvra::cli
