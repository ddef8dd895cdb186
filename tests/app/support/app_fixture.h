#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "app/shell/mdigen.h"
#include "support/recording_host.h"

namespace quorvane::testing {

/// The desktop program started on a build folder of its own holding the example models,
/// reporting through a recording host.
struct ProgramUnderTest {
    ProgramUnderTest() {
        QDir(Folder.path()).mkpath("Examples");
        const QDir source(QUORVANE_EXAMPLES);
        for (const QString& name : source.entryList({"*.vqe"}, QDir::Files))
            QFile::copy(source.filePath(name), Folder.filePath("Examples/" + name));
        Window = std::make_unique<MDIGen>(Host, ProgramFolders{Path(), Path() + "/user"});
    }
    std::string Path(const QString& name = {}) const {
        return (name.isEmpty() ? Folder.path() : Folder.filePath(name)).toStdString();
    }
    std::string Example(const QString& name) const { return Path("Examples/" + name + ".vqe"); }
    /// Starts as the program does, with `commandLine` as its argument, and shows the window.
    void Start(const std::string& commandLine = {}) {
        Window->MDIForm_Load(commandLine);
        Window->show();
    }

    QTemporaryDir Folder;
    RecordingHost Host;
    std::unique_ptr<MDIGen> Window;
};

}  // namespace quorvane::testing
