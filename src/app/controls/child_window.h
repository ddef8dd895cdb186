#pragma once

class QWidget;

namespace quorvane {

/// The window frame a widget is shown in: its MDI subwindow when it has one, else itself.
QWidget* WindowFrame(QWidget* window);

/// Shows / hides a window together with its frame; a shown one becomes the active window, in front.
void ShowChildWindow(QWidget* window);
void HideChildWindow(QWidget* window);

/// Sets a window's frame to a place and size given in twips, but never smaller than its
/// controls need (fonts differ from the ones the sizes were chosen for).
void SetChildGeometry(QWidget* window, int left, int top, int width, int height);

/// Moves a window's frame up and left as far as needed to lie within the main window's area,
/// so that a window placed for a larger screen is not cut off.
void KeepInsideClientArea(QWidget* window);

/// Moves `window` so that its frame stands just right of `anchor`'s frame, tops aligned.
void PlaceBeside(QWidget* window, QWidget* anchor);

}  // namespace quorvane
