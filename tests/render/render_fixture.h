#pragma once

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <string>

namespace quorvane {

/// Text needs a GUI application for its fonts; one serves the whole test binary and is left to
/// the end of the process.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvane_render_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

/// A fresh path in the test output folder.
inline std::string OutputPath(const std::string& fileName) {
    const std::filesystem::path folder(QUORVANE_TEST_OUTPUT);
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / fileName;
    std::filesystem::remove(path);
    return path.string();
}

/// What a shell command prints.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

/// Pixels of an image whose colour is exactly (r, g, b), in a rectangle (default: all).
inline int CountColour(const QImage& image, QRgb rgb, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) ++count;
        }
    }
    return count;
}

/// Pixels that are not white in a rectangle.
inline int CountInk(const QImage& image, QRect area) {
    return area.width() * area.height() - CountColour(image, qRgb(255, 255, 255), area);
}

}  // namespace quorvane
