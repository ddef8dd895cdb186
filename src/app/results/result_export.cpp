#include "app/results/result_export.h"

#include <QFileDialog>

#include <sstream>

#include "engine/simulation.h"
#include "platform/text_file.h"
#include "render/qt_canvas.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

/// Both files are written whole or not at all, so a failure needs only saying.
bool Written(Simulation& sim, const std::string& path, const std::string& failure) {
    if (failure.empty()) return true;
    sim.Ui.Message("Cannot write " + path + " - " + failure);
    return false;
}

}  // namespace

QString AskForSaveFile(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

bool ExportPicture(Simulation& sim, const std::string& path, int widthPx, int heightPx,
                   const std::function<void(Canvas&)>& draw) {
    std::unique_ptr<FileCanvas> canvas = OpenFileCanvas(path, widthPx, heightPx);
    if (!canvas) {
        sim.Ui.Message("The file name must end in .png, .svg or .pdf");
        return false;
    }
    draw(*canvas);
    canvas->Finish();
    return Written(sim, path, canvas->Failure());
}

bool ExportTable(Simulation& sim, const std::string& path, const std::string& text) {
    return Written(sim, path, ReplaceFile(path, text));
}

bool ExportRecordedCsv(Simulation& sim, const std::string& path) {
    std::ostringstream text;
    WriteRecordedCsv(sim.Display, text);
    return ExportTable(sim, path, text.str());
}

}  // namespace quorvane
