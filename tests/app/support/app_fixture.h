#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "app/shell/mdigen.h"
#include "support/recording_host.h"

namespace quorvane::testing {

/// The desktop program started on a program folder of its own holding the bundled examples,
/// reporting through a recording host.
struct ProgramUnderTest {
    ProgramUnderTest() {
        QDir(Folder.path()).mkpath("examples");
        const QDir source(QUORVANE_EXAMPLES);
        for (const QString& name : source.entryList({"*.vqe"}, QDir::Files))
            QFile::copy(source.filePath(name), Folder.filePath("examples/" + name));
        Window = std::make_unique<MDIGen>(Host, ProgramFolders{Path(), Path() + "/user"});
    }
    std::string Path(const QString& name = {}) const {
        return (name.isEmpty() ? Folder.path() : Folder.filePath(name)).toStdString();
    }
    std::string Example(const QString& name) const { return Path("examples/" + name + ".vqe"); }
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
