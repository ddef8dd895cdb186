#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include <filesystem>

#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "app/results/form11.h"
#include "app/results/gplot.h"
#include "app/results/keyform.h"
#include "app/support/result_run.h"
#include "app/support/window_rig.h"
#include "platform/text.h"
#include "run/run_driver.h"

namespace quorvane {

/// The graph window, its scales dialog and its key after a run of the PID example.
struct GraphWindows {
    GraphWindows() : Scales(Run.Sim), Graph(Run.Sim, Scales, Key) {
        Ran = Run.RunExample("PID Temperature Loop.vqe", &Graph, nullptr);
    }

    QImage Picture() { return Graph.findChild<PictureBox*>("Picture1")->Picture(); }

    ResultRun Run;
    keyform Key;
    Form11 Scales;
    GPlot Graph;
    bool Ran = false;
};

class GPlotTest : public QObject {
    Q_OBJECT
private slots:
    void RunListsTheSeriesAndDrawsAgainstTime() {
        GraphWindows w;
        QVERIFY(w.Ran);
        const DisplayBuffer& display = w.Run.Sim.Display;
        QCOMPARE(display.ColumnCount, 3);
        QCOMPARE(display.RecordedCount, 301);
        auto* list = Control<QListWidget>(w.Graph, "List1");
        const QStringList entries = Entries(list);
        QStringList expected{"Time"};
        for (int c = 1; c <= 3; ++c) expected << QString::fromStdString(display.ColumnTitle[c]);
        QCOMPARE(entries, expected);
        QVERIFY(entries.contains("Oven Temperature"));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(w.Graph.isVisible());
        QVERIFY(!w.Key.isVisible());
        // Refilling the list while the run fills the windows chose nothing of its own.
        QCOMPARE(w.Run.Sim.Graph.XColumn, 0);
        QCOMPARE(w.Run.Sim.Graph.XRange, 600.0f);
        // Blue for the first series, light red for the second, the grid in its blue-grey.
        const QImage image = w.Picture();
        int blue = 0, lightRed = 0, grid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                blue += pixel == PaletteQColor(Palette::Blue);
                lightRed += pixel == PaletteQColor(Palette::LightRed);
                grid += pixel == QColor(128, 128, 200);
            }
        }
        QVERIFY2(grid > 500, qPrintable(QString::number(grid)));
        QVERIFY2(blue > 100 && lightRed > 100, qPrintable(QString("%1 %2").arg(blue).arg(lightRed)));
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void ChoosingASeriesAsXOrSymbolsRedraws() {
        GraphWindows w;
        const QImage plain = w.Picture();
        Control<QListWidget>(w.Graph, "List1")->setCurrentRow(1);
        QCOMPARE(w.Run.Sim.Graph.XColumn, 1);
        QVERIFY(w.Picture() != plain);
        // The X span is now that of the oven temperature, not the 600 s of the run.
        QVERIFY(w.Run.Sim.Graph.XRange != 600.0f);
        Control<QListWidget>(w.Graph, "List1")->setCurrentRow(0);
        QCOMPARE(w.Picture(), plain);

        auto* symbols = Control<QCheckBox>(w.Graph, "Check1");
        QTest::mouseClick(symbols, Qt::LeftButton);
        QCOMPARE(w.Run.Sim.Graph.ShowSymbols, 1);
        QVERIFY(w.Picture() != plain);
        QTest::mouseClick(symbols, Qt::LeftButton);
        QCOMPARE(w.Run.Sim.Graph.ShowSymbols, 0);
        QCOMPARE(w.Picture(), plain);
    }

    void ShowingTheLastGraphDrawsItOnce() {
        GraphWindows w;
        // Limits a thousandth of their level apart warn once for every drawing.
        w.Run.Sim.Graph.YManual = 1;
        w.Run.Sim.Graph.YMinimum = 100;
        w.Run.Sim.Graph.YMaximum = 100.1f;
        w.Run.Host.Clear();
        w.Graph.ShowGraph(SeriesTitles(w.Run.Sim));
        QCOMPARE(w.Run.Host.Messages(), std::vector<std::string>{"Graph Range too small - Try removing any offset"});
    }

    void ScalesDialogSetsManualLimitsAndRefusesBadOnes() {
        GraphWindows w;
        Press(w.Graph, "Command1");
        QVERIFY(w.Scales.isVisible());
        QVERIFY(Control<QRadioButton>(w.Scales, "Option1")->isChecked());
        QVERIFY(!Control<QLineEdit>(w.Scales, "Text1")->isEnabled());
        // The limits of the automatic drawing: time from 0 to 600.
        QCOMPARE(Control<QLineEdit>(w.Scales, "Text3")->text(), QString(" 600"));
        QCOMPARE(Control<QLineEdit>(w.Scales, "Text4")->text(), QString(" 0"));

        QTest::mouseClick(Control<QRadioButton>(w.Scales, "Option2"), Qt::LeftButton);
        QVERIFY(Control<QLineEdit>(w.Scales, "Text1")->isEnabled());
        Retype(w.Scales, "Text1", "10");
        Retype(w.Scales, "Text2", "40");
        Press(w.Scales, "Command1");
        QCOMPARE(w.Run.Host.Messages(), std::vector<std::string>{"Y maximum must exceed Y minimum"});
        QVERIFY(w.Scales.isVisible());
        QCOMPARE(Control<QLineEdit>(w.Scales, "Text1")->text(), QString("10"));
        QCOMPARE(w.Run.Sim.Graph.YManual, 0);

        w.Run.Host.Clear();
        const QImage automatic = w.Picture();
        Retype(w.Scales, "Text1", "50");
        Retype(w.Scales, "Text2", "-50");
        Press(w.Scales, "Command1");
        QVERIFY(w.Run.Host.Messages().empty());
        QVERIFY(!w.Scales.isVisible());
        QCOMPARE(w.Run.Sim.Graph.YManual, 1);
        QCOMPARE(w.Run.Sim.Graph.YMaximum, 50.0f);
        QCOMPARE(w.Run.Sim.Graph.YMinimum, -50.0f);
        QCOMPARE(w.Run.Sim.Graph.YRange, 100.0f);
        QVERIFY(w.Picture() != automatic);

        // Back to automatic: the boxes show the limits stored for the axis again.
        Press(w.Graph, "Command1");
        QTest::mouseClick(Control<QRadioButton>(w.Scales, "Option4"), Qt::LeftButton);
        Retype(w.Scales, "Text3", "1");
        QTest::mouseClick(Control<QRadioButton>(w.Scales, "Option3"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(w.Scales, "Text3")->text(), QString(" 600"));
        Press(w.Scales, "Command2");
        QVERIFY(!w.Scales.isVisible());
    }

    void KeyListsEachSeriesWithItsColour() {
        GraphWindows w;
        Press(w.Graph, "Command2");
        QVERIFY(w.Key.isVisible());
        QCOMPARE(w.Key.windowTitle(), QString("Key to Graph"));
        const QColor expected[] = {QColor(0, 0, 0), PaletteQColor(Palette::Blue), PaletteQColor(Palette::LightRed), PaletteQColor(Palette::Cyan)};
        for (int row = 1; row <= 3; ++row) {
            const QString index = QString::number(row);
            auto* title = Control<QLabel>(w.Key, qPrintable("Label1_" + index));
            QCOMPARE(title->text(), QString::fromStdString(w.Run.Sim.Display.ColumnTitle[row]));
            QVERIFY(title->isVisible());
            QCOMPARE(Control<QLabel>(w.Key, qPrintable("Label2_" + index))->text(),
                     QString::fromStdString(w.Run.Sim.Display.ColumnUnits[row]));
            auto* line = Control<QFrame>(w.Key, qPrintable("Line1_" + index));
            QCOMPARE(line->palette().color(QPalette::Window), expected[row]);
        }
        QVERIFY(!Control<QLabel>(w.Key, "Label1_4")->isVisible());
        // Beside the graph.
        QVERIFY(w.Key.geometry().left() > w.Graph.geometry().right());

        Press(w.Graph, "Command4");
        QVERIFY(!w.Graph.isVisible());
        QVERIFY(!w.Key.isVisible());
    }

    void ClickReadsOutCoordinates() {
        GraphWindows w;
        auto* picture = w.Graph.findChild<PictureBox*>("Picture1");
        auto* x = Control<QLabel>(w.Graph, "Label4");
        QVERIFY(!x->isVisible());
        // Against 0..600 s the picture spans -0.11 x 600 .. 600 + 0.08 x 600, so its middle is 291 s.
        const int middle = picture->width() / 2;
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(middle, picture->height() / 2));
        QVERIFY(x->isVisible());
        const double expectedX = -66.0 + middle * 714.0 / picture->width();
        QCOMPARE(x->text(), QString::fromStdString(Format(expectedX, "0.#####")));
        if (picture->width() % 2 == 0) QCOMPARE(x->text(), QString("291."));
        QVERIFY(!Control<QLabel>(w.Graph, "Label5")->text().isEmpty());
        QVERIFY(picture->HasMarker());
        // Focus elsewhere hides the read-out and the marker.
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(picture, &focusOut);
        QVERIFY(!x->isVisible());
        QVERIFY(!picture->HasMarker());
    }

    void PrintsTheGraphToPdf() {
        GraphWindows w;
        const std::string path = w.Run.Path("graph.pdf");
        w.Graph.ChoosePrinter = PdfPrinter(path);
        Press(w.Graph, "Command3");
        const std::string text = PdfText(path);
        QVERIFY2(Holds(text, "Quorvane Simulation Run Oven temperature control"), text.c_str());
        QVERIFY2(Holds(text, "Oven Temperature"), text.c_str());
        QVERIFY2(Holds(text, "600"), text.c_str());
        QVERIFY2(Holds(text, "Time ( sec )"), text.c_str());
        QVERIFY2(Holds(text, "06 December 2026"), text.c_str());
    }

    void ExportsPictureFilesAndRefusesWhatItCannotWrite() {
        GraphWindows w;
        QString answer;
        w.Graph.ChooseSaveFile = [&answer](QWidget*, const QString&, const QString&) { return answer; };
        for (const char* name : {"graph.png", "graph.svg", "graph.pdf"}) {
            answer = QString::fromStdString(w.Run.Path(name));
            Press(w.Graph, "Command6");
            QVERIFY2(QFile::exists(answer), name);
        }
        const QImage png(QString::fromStdString(w.Run.Path("graph.png")));
        QCOMPARE(png.size(), w.Graph.findChild<PictureBox*>("Picture1")->size());
        QVERIFY(QSvgRenderer(QString::fromStdString(w.Run.Path("graph.svg"))).isValid());
        QVERIFY(Holds(PdfText(w.Run.Path("graph.pdf")), "Oven Temperature"));
        QVERIFY(w.Run.Host.Messages().empty());

        answer = QString::fromStdString(w.Run.Path("missing folder/graph.png"));
        Press(w.Graph, "Command6");
        answer = QString::fromStdString(w.Run.Path("graph.txt"));
        Press(w.Graph, "Command6");
        const std::vector<std::string> messages = w.Run.Host.Messages();
        QCOMPARE(messages.size(), size_t(2));
        // The reason follows the name.
        const std::string refusal = "Cannot write " + w.Run.Path("missing folder/graph.png") + " - ";
        QVERIFY2(messages[0].starts_with(refusal) && messages[0].size() > refusal.size(), messages[0].c_str());
        QCOMPARE(messages[1], std::string("The file name must end in .png, .svg or .pdf"));
        QVERIFY(!std::filesystem::exists(w.Run.Path("graph.txt")));
    }

    void OverlayBoxAndClearButtonCompareRuns() {
        GraphWindows w;
        auto* overlay = Control<QCheckBox>(w.Graph, "Check2");
        auto* clear = Control<QPushButton>(w.Graph, "Command7");
        QCOMPARE(overlay->accessibleName(), QString("Overlay Previous Runs"));
        QCOMPARE(clear->accessibleName(), QString("Clear Previous Runs"));
        QVERIFY(!clear->isEnabled());   // nothing before the first run

        // Again with the proportional gain doubled.
        Simulation& sim = w.Run.Sim;
        SimulationForm& form = sim.Forms[FirstAllocatedForm(sim)];
        for (int b = 1; b <= form.BlockCount; ++b) {
            if (form.Blocks[b].Title == "Heater Demand") form.Blocks[b].Constant[1] *= 2;
        }
        WindowHandOff handOff;
        handOff.Graph = &w.Graph;
        QVERIFY(w.Run.RunLoaded(handOff));
        QVERIFY(clear->isEnabled());
        const QImage last = w.Picture();

        // Both reached from "Show Symbols" with Tab, worked with the space bar.
        Control<QCheckBox>(w.Graph, "Check1")->setFocus();
        QTest::keyClick(Control<QCheckBox>(w.Graph, "Check1"), Qt::Key_Tab);
        QCOMPARE(w.Graph.focusWidget(), overlay);
        QTest::keyClick(overlay, Qt::Key_Space);
        QVERIFY(sim.Graph.OverlayRuns);
        QVERIFY(w.Picture() != last);
        Press(w.Graph, "Command2");
        const QString title = QString::fromStdString(sim.Display.ColumnTitle[1]);
        QCOMPARE(Control<QLabel>(w.Key, "Label1_4")->text(), title + QString::fromUtf8(" (run \u2212" "1)"));

        // A click on the first curve at its start names a curve beside the marker.
        auto* picture = w.Graph.findChild<PictureBox*>("Picture1");
        QTest::mouseClick(picture, Qt::LeftButton, {},
                          picture->DevicePoint({sim.Run.StartTime, sim.Display.At(1, 1)}).toPoint());
        auto* name = Control<QLabel>(w.Graph, "Label6");
        QVERIFY(name->isVisible());
        QVERIFY(name->text().startsWith(title));   // where the runs coincide, either may be named
        QVERIFY(name->accessibleName().isEmpty());
        QVERIFY(picture->geometry().contains(name->geometry()));

        overlay->setFocus();
        QTest::keyClick(overlay, Qt::Key_Tab);
        QCOMPARE(w.Graph.focusWidget(), clear);
        QTest::keyClick(clear, Qt::Key_Space);
        QVERIFY(sim.Runs.Previous().empty());
        QCOMPARE(w.Picture(), last);
        QVERIFY(!clear->isEnabled());
    }

    void HelpAndResize() {
        GraphWindows w;
        QSignalSpy help(&w.Graph, &GPlot::HelpRequested);
        Press(w.Graph, "Command5");
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0), (QList<QVariant>{1002, 1}));

        w.Graph.resize(900, 600);
        auto* picture = w.Graph.findChild<PictureBox*>("Picture1");
        QCOMPARE(picture->width(), TwipsToPixels(PixelsToTwips(900) - 500));
        QCOMPARE(picture->height(), TwipsToPixels(PixelsToTwips(600) - 1400));
        QCOMPARE(w.Picture().size(), picture->size());
        QVERIFY(Control<QPushButton>(w.Graph, "Command4")->geometry().top() > picture->geometry().bottom());
    }

private:
    static QColor PaletteQColor(Palette n) {
        const Colour c = PaletteColour(n);
        return {c.Red, c.Green, c.Blue};
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::GPlotTest)
#include "gplot_test.moc"
