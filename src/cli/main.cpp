#include <QGuiApplication>

#include <iostream>

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

}  // namespace

int main(int argc, char* argv[]) {
    // Pictures are drawn with Qt's painter, which needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return quorvane::RunCommandLine(argc, argv, std::cout, std::cerr);
}
