#include "app/results/keyform.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "app/controls/dialog_controls.h"

namespace quorvane {

namespace {

constexpr int LineWidthPx = 40;
constexpr int LineHeightPx = 3;

}  // namespace

keyform::keyform(QWidget* parent) : QWidget(parent) {
    setObjectName("keyform");
    setWindowTitle("Key to Graph");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < GraphKeyRows; ++i) {
        const QString index = QString::number(i + 1);
        Row& row = Rows[static_cast<std::size_t>(i)];
        row.Title = new QLabel(this);
        row.Title->setObjectName("Label1_" + index);
        row.Units = new QLabel(this);
        row.Units->setObjectName("Label2_" + index);
        row.Line = new QFrame(this);
        row.Line->setObjectName("Line1_" + index);
        row.Line->setFixedSize(LineWidthPx, LineHeightPx);
        row.Line->setAutoFillBackground(true);
        grid->addWidget(row.Title, i, 0);
        grid->addWidget(row.Units, i, 1);
        grid->addWidget(row.Line, i, 2, Qt::AlignVCenter);
    }
    grid->setRowStretch(GraphKeyRows, 1);
    Fill({});
}

void keyform::Fill(const std::vector<GraphKeyRow>& key) {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        Row& row = Rows[i];
        const bool shown = i < key.size();
        row.Title->setVisible(shown);
        row.Units->setVisible(shown);
        row.Line->setVisible(shown);
        if (!shown) continue;
        row.Title->setText(QString::fromStdString(key[i].Title));
        row.Units->setText(QString::fromStdString(key[i].Units));
        SetColour(row.Line, QPalette::Window, key[i].Pen);
        row.Line->setAccessibleName(row.Title->text() + " colour " + ToQColor(key[i].Pen).name());
    }
}

}  // namespace quorvane
