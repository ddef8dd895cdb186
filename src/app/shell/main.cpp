#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

#include "app/shell/form3.h"
#include "app/shell/mdigen.h"
#include "app/shell/qt_host.h"

namespace {

/// With --benchmark the program says when its windows have first been painted and ends:
/// a timing run measures from the process start to that line.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool Seen = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setOrganizationName("Quorvane");

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool benchmark = arguments.removeAll("--benchmark") > 0;
    const QString programFolder = QApplication::applicationDirPath();

    quorvane::QtHost host(programFolder + "/sounds");
    host.Unattended = benchmark;
    quorvane::ProgramFolders folders{programFolder.toStdString(),
                                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()};
    quorvane::MDIGen window(host, folders);
    host.Parent = &window;
    FirstPaint firstPaint;
    // The run window is painted last of the windows the program starts with.
    if (benchmark) window.RunWindow().installEventFilter(&firstPaint);
    window.MDIForm_Load(arguments.isEmpty() ? std::string() : arguments.first().toStdString());
    window.show();
    return QApplication::exec();
}
