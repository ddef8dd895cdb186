#pragma once

#include <array>

#include "app/editing/edit_dialog.h"
#include "forms/block_properties.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {

struct Simulation;

/// The block properties window: title, units, initial condition, saturation limits and up to
/// three constants of one block. Modeless; Enter in any field presses Done.
class Form8 : public EditDialog {
    Q_OBJECT
public:
    explicit Form8(Simulation& sim, QWidget* parent = nullptr);

    /// Shows the window for a block; a display block only offers its help.
    void Open(int form, int block);

    void Load(const BlockPropertiesFields& fields);
    BlockPropertiesFields Store() const;

    /// The block being edited: form and block, 0 when none.
    int EditForm() const { return Fields.Form; }
    int EditBlock() const { return Fields.Block; }

signals:
    /// The block's entries were stored and the window closed.
    void BlockEdited(int form);

public slots:
    void Command2_Click();   // Done
    void Command1_Click();   // Cancel
    void Command3_Click();   // Help

protected:
    void reject() override;

private:
    void Check1_Click(bool checked);
    void Text7_Change();
    void Close();

    Simulation& Sim;
    BlockPropertiesFields Fields;   ///< the target and what the window shows besides the entries

    QLineEdit* Text1;
    QLineEdit* Text2;
    QGroupBox* Frame2;
    QLineEdit* Text5;
    QGroupBox* Frame1;
    QLineEdit* Text3;   ///< high limit
    QLineEdit* Text4;   ///< low limit
    QGroupBox* Frame4;
    std::array<QLabel*, 3> ConstantLabels;   ///< Label8..Label10
    std::array<QLineEdit*, 3> Constants;     ///< Text7..Text9
    QCheckBox* Check1;
    QLabel* Label11;
    QPushButton* Command2;
    QPushButton* Command1;
    QPushButton* Command3;
};

}  // namespace quorvane
