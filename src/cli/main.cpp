#include <QGuiApplication>

#include <iostream>

#include "cli/runner.h"

int main(int argc, char* argv[]) {
    // Pictures are drawn with Qt's painter, which needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return quorvane::RunCommandLine(argc, argv, std::cout, std::cerr);
}
