#pragma once

#include <QWidget>

#include <array>

#include "forms/toolbox.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace quorvane {

struct EditingState;
struct Simulation;

/// The toolbox "  Simulation Toolbox": one image per FunctionCode on two pages that share one
/// area, turned with the scroll bar. A block is taken by dragging its image onto a sheet, or,
/// from the keyboard, by Enter on its image.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(Simulation& sim, EditingState& editing, QWidget* parent = nullptr);

    int CurrentPage() const { return Page; }
    void ShowPage(int page);
    void HidePage(int page);
    /// Toolbox image `code` (0..63).
    QLabel* Image1(int code) const { return Images[static_cast<std::size_t>(code)]; }
    /// The pictures drawn again, with or without the maths symbols as the model says, and the
    /// tool tips taken again from the catalogue.
    void RefreshImages();

    void HScroll1_Change(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /// Press, drag and release on the image of `code`, and Enter on it.
    bool ImageEvent(int code, QEvent* event);

    Simulation& Sim;
    EditingState& Editing;
    ToolboxPages Pages;
    int Page = 0;
    std::array<QLabel*, ToolboxImageCount> Images{};
    std::array<QFrame*, ToolboxPageCount + 1> Shape1{};
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QPoint PressPixels;
    int PressedCode = -1;
};

}  // namespace quorvane
