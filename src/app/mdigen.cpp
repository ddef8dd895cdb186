#include "app/mdigen.h"

#include <QMdiArea>

namespace quorvane {

MDIGen::MDIGen(QWidget* parent) : QMainWindow(parent), Area(new QMdiArea(this)) {
    setObjectName("MDIGen");
    setWindowTitle("Quorvane");
    Area->setObjectName("MDIClient");
    setCentralWidget(Area);
    resize(1024, 720);
}

}  // namespace quorvane
