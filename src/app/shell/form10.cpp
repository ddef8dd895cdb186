#include "app/shell/form10.h"

#include <QGridLayout>
#include <QLabel>

#include "engine/run_error_report.h"

namespace quorvane {

namespace {

QLabel* AddLabel(QWidget* parent, QGridLayout* grid, const char* name, const QString& text, int row, int column,
                 int span = 1) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(label, row, column, 1, span);
    return label;
}

/// A value label: a screen reader hears the value as its name and the caption beside it as
/// its description.
QLabel* AddValue(QWidget* parent, QGridLayout* grid, const char* name, const QString& caption, int row, int column,
                 int span = 1) {
    QLabel* value = AddLabel(parent, grid, name, {}, row, column, span);
    value->setAccessibleDescription(caption);
    return value;
}

}  // namespace

Form10::Form10(QWidget* parent) : QWidget(parent) {
    setObjectName("Form10");
    setWindowTitle("Error Encountered When Running Smulation");
    auto* grid = new QGridLayout(this);
    AddLabel(this, grid, "Label1", "Time Step Reached:", 0, 0);
    Label2 = AddValue(this, grid, "Label2", "Time Step Reached:", 0, 1);
    Label3 = AddValue(this, grid, "Label3", "Time units", 0, 2);
    AddLabel(this, grid, "Label4", "Block Title", 1, 0);
    Label5 = AddValue(this, grid, "Label5", "Block Title", 1, 1, 2);
    AddLabel(this, grid, "Label6", "Function", 2, 0);
    Label7 = AddValue(this, grid, "Label7", "Function", 2, 1, 2);
    AddLabel(this, grid, "Label8", "Error", 3, 0);
    Label9 = AddValue(this, grid, "Label9", "Error", 3, 1, 2);
    AddLabel(this, grid, "Label10", "The block has been highlighted on the simulation form", 4, 0, 3);
    grid->setColumnStretch(1, 1);
}

void Form10::Load(const RunErrorReport& report) {
    Label2->setText(QString::fromStdString(report.TimeReached));
    Label3->setText(QString::fromStdString(report.TimeUnits));
    Label5->setText(QString::fromStdString(report.BlockTitle));
    Label7->setText(QString::fromStdString(report.Function));
    Label9->setText(QString::fromStdString(report.Error));
}

}  // namespace quorvane
