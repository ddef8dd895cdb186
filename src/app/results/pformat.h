#pragma once

#include <QWidget>

#include "forms/print_format.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quorvane {

struct Simulation;

/// "Print Format": general or fixed-digit number formats for the data and time columns.
class Pformat : public QWidget {
    Q_OBJECT
public:
    explicit Pformat(Simulation& sim, QWidget* parent = nullptr);

    void Load(const PrintFormatDialog& dialog);
    PrintFormatDialog Store() const;
    /// The options and boxes follow the model's print formats (after loading a file).
    void Refresh();

signals:
    void HelpRequested(int topic, int manual);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Text_Change();
    void Command1_Click();
    void Command2_Click();

    Simulation& Sim;
    QRadioButton* Option1 = nullptr;   // data: "General Format"
    QRadioButton* Option2 = nullptr;   // data: "Use Format Below"
    QRadioButton* Option3 = nullptr;   // time: "General Format"
    QRadioButton* Option4 = nullptr;   // time: "Use Format Below"
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr;          // data sample
    QLabel* Label2 = nullptr;          // time sample
};

}  // namespace quorvane
