#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "app/shell/form3.h"
#include "app/shell/mdigen.h"
#include "app/shell/qt_host.h"

namespace {

/// Ends the program with what `done` returns once the windows have first been painted: a timing run (--benchmark) measures
/// from the process start to that moment, and --screenshot FILE keeps a picture of the main
/// window made then.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<int()> done) : Done(std::move(done)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            QTimer::singleShot(0, [this] {
                QApplication::exit(Done());
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<int()> Done;
    bool Seen = false;
};

/// The value after `option` in `arguments`, both removed; empty when the option is not there.
QString TakeOptionValue(QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + 1 >= arguments.size()) return {};
    const QString value = arguments.takeAt(at + 1);
    arguments.removeAt(at);
    return value;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setWindowIcon(QIcon(":/quorvane.svg"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool benchmark = arguments.removeAll("--benchmark") > 0;
    const QString screenshot = TakeOptionValue(arguments, "--screenshot");
    // An installed program finds its shipped files relative to itself, so a moved prefix works.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Quorvane";
    const quorvane::ProgramFolders folders = quorvane::LocateProgramFolders(
        QApplication::applicationDirPath().toStdString(), userData.toStdString(), QUORVANE_DATA_FROM_PROGRAM);

    quorvane::QtHost host(QString::fromStdString((quorvane::DataFolder(folders) / "sounds").string()));
    host.Unattended = benchmark || !screenshot.isEmpty();
    quorvane::MDIGen window(host, folders);
    host.Parent = &window;
    FirstPaint firstPaint([&] {
        if (!screenshot.isEmpty()) {
            if (window.grab().save(screenshot)) return 0;
            std::fprintf(stderr, "cannot write %s\n", qPrintable(screenshot));
            return 1;
        }
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        return 0;
    });
    // The run window is painted last of the windows the program starts with.
    if (host.Unattended) window.RunWindow().installEventFilter(&firstPaint);
    window.MDIForm_Load(arguments.isEmpty() ? std::string() : arguments.first().toStdString());
    window.show();
    return QApplication::exec();
}
