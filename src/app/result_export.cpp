#include "app/result_export.h"

#include <QFileDialog>
#include <QFileInfo>

#include <filesystem>
#include <fstream>

#include "model/simulation.h"
#include "render/qt_canvas.h"
#include "results/recorded_csv.h"
#include "results/time_graph.h"

namespace quorvane {

namespace {

/// A write that failed part way leaves nothing behind that could pass for a result.
bool Refuse(Simulation& sim, const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    sim.Ui.Message("Cannot write " + path);
    return false;
}

}  // namespace

QString AskForSaveFile(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

bool ExportGraph(Simulation& sim, const std::string& path, int widthPx, int heightPx) {
    std::unique_ptr<FileCanvas> canvas = OpenFileCanvas(path, widthPx, heightPx);
    if (!canvas) {
        const QString extension = QFileInfo(QString::fromStdString(path)).suffix().toLower();
        if (extension != "png" && extension != "svg" && extension != "pdf") {
            sim.Ui.Message("The file name must end in .png, .svg or .pdf");
            return false;
        }
        return Refuse(sim, path);
    }
    DrawTimeGraph(sim, *canvas, GraphTarget::Printer, sim.Graph.XColumn);
    return canvas->Finish() || Refuse(sim, path);
}

bool ExportRecordedCsv(Simulation& sim, const std::string& path) {
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (file) WriteRecordedCsv(sim, file);
        if (file && file.flush()) return true;
    }
    return Refuse(sim, path);
}

}  // namespace quorvane
