#pragma once

#include <QWidget>

#include "forms/fft_properties.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace quorvane {

struct Simulation;

/// "FFT Properties": the FFT target size, the PRBS sequence duration mode and the phase minimum
/// level. Enter in any of them presses "Done".
class FFTProp : public QWidget {
    Q_OBJECT
public:
    explicit FFTProp(Simulation& sim, QWidget* parent = nullptr);

    void Load(const FftPropertiesDialog& dialog);
    FftPropertiesDialog Store() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    Simulation& Sim;
    QListWidget* List1 = nullptr;
    QRadioButton* Option1 = nullptr;   // "Automatic"
    QRadioButton* Option2 = nullptr;   // "Manual"
    QLineEdit* Text1 = nullptr;
};

}  // namespace quorvane
