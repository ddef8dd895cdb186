#pragma once

#include <QMainWindow>

class QMdiArea;

namespace quorvane {

/// The main window: a multiple-document parent holding the sheets, toolbox, run window and
/// result windows.
class MDIGen : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIGen(QWidget* parent = nullptr);

private:
    QMdiArea* Area = nullptr;
};

}  // namespace quorvane
