#include <QApplication>

#include "app/mdigen.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    quorvane::MDIGen window;
    window.show();
    return QApplication::exec();
}
