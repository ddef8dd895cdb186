#include <QGuiApplication>

#include <iostream>

#include <fcntl.h>
#include <unistd.h>

#include "cli/runner.h"

// The font library keeps a little memory of its own to the end of the process; leak checks in
// sanitizer builds should not count it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

/// Standard error carries the runner's own lines only: Qt's notes about its environment are
/// dropped, its fatal errors still end the program.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << "quorvane-run: " << text.toStdString() << "\n";
        std::abort();
    }
}

/// A standard stream the runner was started without is held open on /dev/null for reading only:
/// no file the runner opens can take its place (and receive the output meant for the stream),
/// and writing to it still fails, so the failure is reported.
void HoldClosedStandardStreams() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) != -1) continue;
        const int placeholder = ::open("/dev/null", O_RDONLY);
        if (placeholder >= 0 && placeholder != stream) {
            ::dup2(placeholder, stream);
            ::close(placeholder);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    HoldClosedStandardStreams();
    // Pictures are drawn with Qt's painter, which needs a GUI application but never a screen: a
    // display platform inherited from the desktop session would end the runner without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return quorvane::RunCommandLine(argc, argv, std::cout, std::cerr);
}
