#pragma once

class QWidget;

namespace quorvane {

/// The window frame a widget is shown in: its MDI subwindow when it has one, else itself.
QWidget* WindowFrame(QWidget* window);

/// Shows / hides a window together with its frame and brings a shown one forward.
void ShowChildWindow(QWidget* window);
void HideChildWindow(QWidget* window);

/// Moves `window` so that its frame stands just right of `anchor`'s frame, tops aligned.
void PlaceBeside(QWidget* window, QWidget* anchor);

}  // namespace quorvane
