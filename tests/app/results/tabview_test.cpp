#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "app/results/disptim.h"
#include "app/results/pformat.h"
#include "app/results/tabview.h"
#include "app/support/result_run.h"
#include "app/support/window_rig.h"
#include "forms/tabulation_window.h"

namespace quorvane {

namespace {

QString Caption(QWidget& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }

}  // namespace

/// The tabulation window after a run of the PID example: 31 tabulated rows, two pages.
struct TabulationWindows {
    TabulationWindows() : Format(Run.Sim), Table(Run.Sim, Format) {
        Ran = Run.RunExample("PID Temperature Loop.vqe", nullptr, &Table);
    }
    ResultRun Run;
    Pformat Format;
    tabview Table;
    bool Ran = false;
};

class TabviewTest : public QObject {
    Q_OBJECT
private slots:
    void PagesForwardAndBackToTheEndOfThePrintout() {
        TabulationWindows w;
        QVERIFY(w.Ran);
        QVERIFY(w.Table.isVisible());
        QCOMPARE(Caption(w.Table, "Label1"), QString("Page 1"));
        const PageText& shown = w.Table.ShownPage();
        QCOMPARE(shown.Heading.size(), size_t(3));
        QVERIFY(shown.Heading[0].starts_with("Time"));
        QCOMPARE(shown.Body.size(), size_t(20));
        // Rows every 20 s: page 1 holds 0 .. 380 s.
        QVERIFY(shown.Body[0].starts_with(" 0 "));
        QVERIFY(shown.Body[19].starts_with(" 380 "));

        Press(w.Table, "Command4");
        QCOMPARE(Caption(w.Table, "Label1"), QString("Page 2"));
        QVERIFY(w.Table.ShownPage().Body[10].starts_with(" 600 "));
        QCOMPARE(w.Table.ShownPage().Body[11], std::string("End of Printout"));
        QCOMPARE(w.Table.ShownPage().Body[12], std::string(" "));
        auto* scroll = w.Table.findChild<QScrollBar*>("VScroll1");
        QCOMPARE(scroll->maximum(), 2);
        QCOMPARE(scroll->value(), 2);

        Press(w.Table, "Command3");
        Press(w.Table, "Command3");
        QCOMPARE(Caption(w.Table, "Label1"), QString("Page 1"));
        scroll->setValue(2);
        QCOMPARE(Caption(w.Table, "Label1"), QString("Page 2"));
        QCOMPARE(w.Table.ShownPage().Body[11], std::string("End of Printout"));

        Press(w.Table, "Command1");
        QVERIFY(!w.Table.isVisible());
    }

    void OpensWideEnoughForEveryColumn() {
        TabulationWindows w;
        // Four columns of 17 characters do not fit the window's first width; it widens to them.
        QImage scratch(1, 1, QImage::Format_RGB32);
        PainterCanvas canvas(scratch);
        const double needed = TabulationPageWidth(canvas, w.Table.ShownPage());
        QVERIFY(needed > TwipsToPixels(LayoutTabulationWindow(TabulationWindowWidth, TabulationWindowHeight).BoxWidth));
        QVERIFY(w.Table.findChild<PictureBox*>("Picture1")->width() >= needed);
        QVERIFY(w.Table.findChild<PictureBox*>("Picture2")->width() >= needed);
    }

    void PrintsTitleDateAndValuesToPdf() {
        TabulationWindows w;
        const std::string path = w.Run.Path("table.pdf");
        w.Table.Printer.ChoosePrinter = PdfPrinter(path);
        Press(w.Table, "Command2");
        const std::string text = PdfText(path);
        QVERIFY2(Holds(text, "Quorvane Simulation Run Oven temperature control"), text.c_str());
        QVERIFY2(Holds(text, "06 December 2026"), text.c_str());
        QVERIFY2(Holds(text, "Page 1"), text.c_str());
        QVERIFY2(Holds(text, "Oven"), text.c_str());
        QVERIFY2(Holds(text, "600"), text.c_str());
    }

    void PrintsNothingWithoutDisplaySeries() {
        ResultRun run;
        PrintF printer(run.Sim);
        int asked = 0;
        printer.ChoosePrinter = PdfPrinter(run.Path("empty.pdf"), &asked);
        QVERIFY(!printer.Print(nullptr));
        QCOMPARE(asked, 0);
        QCOMPARE(run.Host.Messages(), std::vector<std::string>{"No data to display"});
    }

    void ExportsTheRecordedRowsAsCsv() {
        TabulationWindows w;
        QString answer = QString::fromStdString(w.Run.Path("rows.csv"));
        w.Table.ChooseSaveFile = [&answer](QWidget*, const QString&, const QString&) { return answer; };
        Press(w.Table, "Command7");
        std::ifstream csv(w.Run.Path("rows.csv"));
        std::string header;
        std::getline(csv, header);
        const DisplayBuffer& display = w.Run.Sim.Display;
        const std::string titles = display.ColumnTitle[1] + "," + display.ColumnTitle[2] + "," + display.ColumnTitle[3];
        QCOMPARE(header, "Time," + titles);
        int rows = 0;
        for (std::string line; std::getline(csv, line); ++rows) {
            double time = 0, first = 0;
            QCOMPARE(std::sscanf(line.c_str(), "%lf,%lf", &time, &first), 2);
            QCOMPARE(static_cast<float>(time), display.At(0, rows + 1));
            QCOMPARE(static_cast<float>(first), display.At(1, rows + 1));
        }
        QCOMPARE(rows, 301);

        answer = QString::fromStdString(w.Run.Path("no such folder/rows.csv"));
        Press(w.Table, "Command7");
        QCOMPARE(w.Run.Host.Messages().size(), size_t(1));
        QVERIFY(w.Run.Host.Messages()[0].starts_with("Cannot write " + w.Run.Path("no such folder/rows.csv") + " - "));
    }

    void PrintFormatShowsSamplesAsTypedAndStoresOnDone() {
        TabulationWindows w;
        QSignalSpy help(&w.Format, &Pformat::HelpRequested);
        Press(w.Table, "Command5");
        QVERIFY(w.Format.isVisible());
        // The samples follow the boxes as they are typed; what Done stores is the core's rule.
        Retype(w.Format, "Text2", "9");
        QCOMPARE(Caption(w.Format, "Label1"), QString("+123456.1234567"));
        Retype(w.Format, "Text3", "2");
        QCOMPARE(Caption(w.Format, "Label2"), QString("+12.1"));
        QTest::mouseClick(w.Format.findChild<QRadioButton*>("Option2"), Qt::LeftButton);
        Press(w.Format, "Command3");
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toInt(), 1001);
        Press(w.Format, "Command1");
        QVERIFY(!w.Format.isVisible());
        const Settings& run = w.Run.Sim.Run;
        QCOMPARE(run.DataColumnFormatMode, 1);
        QCOMPARE(run.DataDigitsAfter, 7);
        QCOMPARE(run.TimeDigitsBefore, 2);

        // Cancel leaves the settings as they are.
        Press(w.Table, "Command5");
        Retype(w.Format, "Text1", "4");
        Press(w.Format, "Command2");
        QCOMPARE(run.DataDigitsBefore, 6);
    }

    // Good intervals reaching the run window are the main window's test.
    void DataDisplayKeepsARefusedIntervalInView() {
        ResultRun run;
        DispTim dialog(run.Sim);
        dialog.show();
        Retype(dialog, "Text1", "0");
        QTest::keyPress(dialog.findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        QCOMPARE(run.Host.Messages().size(), size_t(1));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.findChild<QLineEdit*>("Text1")->text(), QString("0"));
        QCOMPARE(run.Sim.Run.PrintInterval, 1.0f);
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::TabviewTest)
#include "tabview_test.moc"
