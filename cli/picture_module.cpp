// SPDX-License-Identifier: AGPL-3.0-or-later
// The picture module: kelvra-cli loads it for --wheel only.
#include <QGuiApplication>
#include <iostream>
#include <optional>
#include <string_view>

#include "cli/picture_module.h"
#include "cli/wheel_files.h"
#include "vocabulary/cli_words.h"

namespace kelvra::cli {

namespace {

// Qt's notes (such as that XDG_RUNTIME_DIR is unset) would mix into the
// tool's standard error, whose lines scripts read. Its errors pass, and the
// platform plugin's warnings, which say why a platform failed to start.
void QtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool platform = context.category && std::string_view(context.category).starts_with("qt.qpa");
  if (type != QtCriticalMsg && type != QtFatalMsg && !platform) return;
  std::cerr << Tr(words::kCliComplaint, {message.toStdString()}) << '\n';
  std::cerr.flush();
}

class Session final : public PictureSession {
 public:
  Session(const char* program, std::string directory)
      : program_(program), writer_(WheelFileWriter(std::move(directory))) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QtMessage);
    gui_.emplace(argc_, argv_);
  }

  RowPictureWriter writer() const override { return writer_; }

 private:
  // Qt sees none of the arguments, which were all meant for kelvra-cli.
  std::string program_;
  int argc_ = 1;
  char* argv_[2] = {program_.data(), nullptr};
  RowPictureWriter writer_;
  std::optional<QGuiApplication> gui_;
};

}  // namespace

}  // namespace kelvra::cli

extern "C" __attribute__((visibility("default"))) kelvra::cli::PictureSession* kelvra_cli_picture_session(
    const char* program, const char* directory) {
  return new kelvra::cli::Session(program, directory);
}
