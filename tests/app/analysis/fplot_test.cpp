#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "app/analysis/fftprop.h"
#include "app/support/result_run.h"
#include "app/support/window_rig.h"
#include "platform/text.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

/// The square wave example run with the FFT on and its square wave chosen as analysis A.
struct SquareWaveRun : AnalysisWindows {
    SquareWaveRun() {
        Ran = RunExample("Square Wave Spectrum.vqe");
        Square = SeriesRow("Square Wave");
        if (Ran && Square > 0) Frequency.findChild<QListWidget*>("List1")->setCurrentRow(Square);
    }
    QListWidget* List(const char* name) { return Frequency.findChild<QListWidget*>(name); }
    bool Ran = false;
    int Square = -1;
};

}  // namespace

class FplotTest : public QObject {
    Q_OBJECT
private slots:
    void RunShowsTheSpectrumPeakingAtTheFundamental() {
        SquareWaveRun w;
        QVERIFY(w.Ran);
        QVERIFY(w.Square > 0);
        QVERIFY(w.Frequency.isVisible());
        const Simulation& sim = w.Run.Sim;
        QStringList expected{"Time"};
        for (int c = 1; c <= sim.Display.ColumnCount; ++c) expected << QString::fromStdString(sim.Display.ColumnTitle[c]);
        expected << "Unallocated";
        QCOMPARE(Entries(w.List("List1")), expected);
        QCOMPARE(Entries(w.List("List2")), expected);
        QCOMPARE(w.List("List2")->currentRow(), sim.Display.ColumnCount + 1);
        // 20 s sampled every 0.02 s fill 512 points (1000 samples do not fill the target 1024).
        QCOMPARE(w.Frequency.windowTitle(),
                 QString("Frequency Analysis                 FFT Size:  512    Time Step: 0.02 sec     (10.24 sec)"));

        // The spectrum's figures are the analysis's own; here, that the run drew it.
        QCOMPARE(sim.Display.ColumnTitle[12], std::string("Magnitude - Square Wave"));
        QVERIFY(AnalysisWindows::Pixels(w.Frequency, Palette::Blue) > 100);   // A in blue
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void CompareDrawsTheRatio() {
        SquareWaveRun w;
        const QImage single = AnalysisWindows::Picture(w.Frequency);
        const int filtered = w.SeriesRow("Filtered");
        QVERIFY(filtered > 0);
        w.List("List2")->setCurrentRow(filtered);
        QCOMPARE(w.Run.Sim.Fft.ComparisonColumn, filtered);
        QVERIFY(AnalysisWindows::Pixels(w.Frequency, Palette::LightRed) > 50);   // B in red
        Press(w.Frequency, "Command1");
        const Simulation& sim = w.Run.Sim;
        QVERIFY(sim.Fft.ComparisonActive);
        QVERIFY(AnalysisWindows::Pixels(w.Frequency, Palette::Cyan) > 50);    // the ratio in cyan
        QVERIFY(AnalysisWindows::Picture(w.Frequency) != single);
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void LogXScaleReadsOutTheFrequency() {
        SquareWaveRun w;
        auto* picture = w.Frequency.findChild<PictureBox*>("Picture1");
        auto* readout = w.Frequency.findChild<QLabel*>("Label5");
        QSignalSpy clicks(picture, &PictureBox::Clicked);
        const QPoint spot(picture->width() / 2, picture->height() / 2);
        QTest::mouseClick(picture, Qt::LeftButton, {}, spot);
        QVERIFY(readout->isVisible());
        double x = clicks.takeFirst().at(0).toPointF().x();
        QCOMPARE(readout->text(), QString::fromStdString(Format(x, "0.#####")));

        QTest::mouseClick(w.Frequency.findChild<QCheckBox*>("Check4"), Qt::LeftButton);
        QVERIFY(w.Run.Sim.Fft.LogFrequency);
        QVERIFY(!readout->isVisible());   // the redrawing took the old read-out away
        QTest::mouseClick(picture, Qt::LeftButton, {}, spot);
        x = clicks.takeFirst().at(0).toPointF().x();
        // The axis holds log10 of the frequency; the read-out is the frequency itself.
        QVERIFY(x < 1.5);
        QCOMPARE(readout->text(), QString::fromStdString(Format(std::pow(10.0, x), "0.#####")));
        QVERIFY(picture->HasMarker());
        QCOMPARE(w.Frequency.findChild<QLabel*>("Label3")->text(), QString("Frequency:"));
    }

    void SwitchesRedrawAndDoneHides() {
        SquareWaveRun w;
        const QImage plain = AnalysisWindows::Picture(w.Frequency);
        // The example shows magnitude and phase.
        auto* phase = w.Frequency.findChild<QCheckBox*>("Check2");
        QVERIFY(phase->isChecked());
        QTest::mouseClick(phase, Qt::LeftButton);
        QVERIFY(!w.Run.Sim.Fft.ShowPhase);
        QCOMPARE(w.Run.Sim.Fft.FftColumnsUsed, 1);
        QTest::mouseClick(w.Frequency.findChild<QCheckBox*>("Check5"), Qt::LeftButton);
        QCOMPARE(w.Run.Sim.Fft.ShowSymbols, 1);
        QTest::mouseClick(phase, Qt::LeftButton);
        QTest::mouseClick(w.Frequency.findChild<QCheckBox*>("Check5"), Qt::LeftButton);
        QCOMPARE(AnalysisWindows::Picture(w.Frequency), plain);
        // The primary list's "Unallocated" leaves an empty picture.
        w.List("List1")->setCurrentRow(w.List("List1")->count() - 1);
        QCOMPARE(AnalysisWindows::Pixels(w.Frequency, Palette::Blue), 0);
        Press(w.Frequency, "Command3");
        QVERIFY(!w.Frequency.isVisible());
    }

    void PrintsAndExports() {
        SquareWaveRun w;
        const std::string pdf = w.Run.Path("spectrum-print.pdf");
        w.Frequency.ChoosePrinter = PdfPrinter(pdf);
        Press(w.Frequency, "Command2");
        const std::string printed = PdfText(pdf);
        QVERIFY2(Holds(printed, " - FFT Analysis"), printed.c_str());
        QVERIFY2(Holds(printed, "Magnitude - Square"), printed.c_str());
        QVERIFY2(Holds(printed, "( Hz )"), printed.c_str());

        QString answer;
        w.Frequency.ChooseSaveFile = [&answer](QWidget*, const QString&, const QString&) { return answer; };
        // The picture formats are the result windows' shared export; one shows the spectrum reaches it.
        answer = QString::fromStdString(w.Run.Path("spectrum.pdf"));
        Press(w.Frequency, "Command5");
        QVERIFY(Holds(PdfText(w.Run.Path("spectrum.pdf")), "Magnitude - Square"));

        answer = QString::fromStdString(w.Run.Path("spectrum.csv"));
        Press(w.Frequency, "Command6");
        const std::vector<std::string> lines = testing::ReadLines(w.Run.Path("spectrum.csv"));
        const Simulation& sim = w.Run.Sim;
        QCOMPARE(lines.size(), std::size_t(sim.Fft.HalfSize + 1));
        QCOMPARE(lines[0], std::string("Frequency ,Magnitude - Square Wave,Phase - Square Wave"));
        const int peak = w.PeakRow(12, sim.Fft.HalfSize - 2);
        QCOMPARE(lines[std::size_t(peak) + 1], CsvNumber(sim.Display.At(11, peak)) + "," + CsvNumber(sim.Display.At(12, peak)) +
                                                   "," + CsvNumber(sim.Display.At(13, peak)));
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void FftPropertiesCheckTheLevelAndSizeTheNextRun() {
        SquareWaveRun w;
        FFTProp dialog(w.Run.Sim);
        dialog.show();
        auto* sizes = dialog.findChild<QListWidget*>("List1");
        QCOMPARE(Entries(sizes), (QStringList{"512", "1024", "2048", "4096", "8192"}));
        QCOMPARE(sizes->currentItem()->text(), QString("1024"));
        QVERIFY(dialog.findChild<QRadioButton*>("Option1")->isChecked());
        auto* level = dialog.findChild<QLineEdit*>("Text1");
        QCOMPARE(level->text(), QString("5.00"));
        QCOMPARE(level->accessibleName(), QString("FFT Phase Min. Level"));

        level->selectAll();
        QTest::keyClicks(level, "99");
        QTest::keyClick(level, Qt::Key_Return);
        QCOMPARE(w.Run.Host.Messages(), std::vector<std::string>{"FFT Phase min. level must not be 100% or greater"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(level->text(), QString("99"));

        w.Run.Host.Clear();
        level->selectAll();
        QTest::keyClicks(level, "98.99");
        sizes->setCurrentRow(2);
        sizes->setFocus();
        QTest::keyClick(sizes, Qt::Key_Return);   // Enter in the list is "Done" too
        QVERIFY(w.Run.Host.Messages().empty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(w.Run.Sim.Fft.PhaseMinimumLevel, 0.9899f);
        QCOMPARE(w.Run.Sim.Fft.TargetSize, 2048);

        // The next run samples every 0.009 s and analyses 2048 samples.
        QVERIFY(w.RunAgain());
        QCOMPARE(w.Run.Sim.Fft.HalfSize, 1024);
        QVERIFY(w.Frequency.windowTitle().contains("FFT Size:  2048"));
        dialog.show();
        QCOMPARE(level->text(), QString("98.99"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FplotTest)
#include "fplot_test.moc"
