#pragma once

#include <QWidget>

class QLabel;

namespace quorvane {

struct RunErrorReport;

/// "Error Encountered When Running Smulation": the time reached, the failing block's title and
/// function, and the fault. The main window takes the block's marker away when this window
/// loses the focus.
class Form10 : public QWidget {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    void Load(const RunErrorReport& report);

private:
    QLabel* Label2 = nullptr;    // time reached
    QLabel* Label3 = nullptr;    // its units
    QLabel* Label5 = nullptr;    // block title
    QLabel* Label7 = nullptr;    // function
    QLabel* Label9 = nullptr;    // error
};

}  // namespace quorvane
