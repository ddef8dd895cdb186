#pragma once

#include <QString>

#include <functional>
#include <string>

#include "platform/canvas.h"

class QWidget;

namespace quorvane {

struct Simulation;

/// Asks where to save a file: the path, or empty when the person cancels. Windows ask through
/// one of these, so that tests can answer unattended.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;

/// The save-file dialog.
QString AskForSaveFile(QWidget* parent, const QString& caption, const QString& filter);

/// A drawing written as a PNG, SVG or PDF of widthPx x heightPx (by the extension of `path`).
/// A name with another extension or a failed write is reported through the host; the file is
/// written whole or not at all, and one it would have replaced is kept. True when written.
bool ExportPicture(Simulation& sim, const std::string& path, int widthPx, int heightPx,
                   const std::function<void(Canvas&)>& draw);

/// A table's text written to `path` and reported in the same way.
bool ExportTable(Simulation& sim, const std::string& path, const std::string& text);

/// The recorded rows as CSV (time and the display series under their titles), written and
/// reported in the same way.
bool ExportRecordedCsv(Simulation& sim, const std::string& path);

}  // namespace quorvane
