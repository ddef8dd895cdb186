#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "forms/graph_window.h"

class QFrame;
class QLabel;

namespace quorvane {

/// "Key to Graph": ten rows of title, units and a line in the curve's colour.
class keyform : public QWidget {
    Q_OBJECT
public:
    explicit keyform(QWidget* parent = nullptr);

    /// Every row hidden, then rows 1..n filled from the key and shown.
    void Fill(const std::vector<GraphKeyRow>& key);

private:
    struct Row {
        QLabel* Title = nullptr;
        QLabel* Units = nullptr;
        QFrame* Line = nullptr;
    };
    std::array<Row, GraphKeyRows> Rows;
};

}  // namespace quorvane
