#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "app/support/result_run.h"
#include "platform/text.h"

namespace quorvane {

namespace {

/// |G(jw)| of the plant 1 / (s² + s + 1).
double PlantGain(double w) { return 1 / std::hypot(1 - w * w, w); }

struct PrbsRun : AnalysisWindows {
    PrbsRun() { Ran = RunExample("PRBS Identification.vqe"); }
    void Press(const char* name) { QTest::mouseClick(Prbs.findChild<QPushButton*>(name), Qt::LeftButton); }
    void Click(const char* name) { QTest::mouseClick(Prbs.findChild<QAbstractButton*>(name), Qt::LeftButton); }
    bool Ran = false;
};

}  // namespace

class CplotTest : public QObject {
    Q_OBJECT
private slots:
    void RunShowsTheImpulseResponse() {
        PrbsRun w;
        QVERIFY(w.Ran);
        QVERIFY(w.Prbs.isVisible());
        const Simulation& sim = w.Run.Sim;
        QVERIFY(w.Prbs.windowTitle().startsWith("PRBS Analysis                 PRBS Length:  127"));
        QVERIFY(w.Prbs.findChild<QRadioButton*>("Option1")->isChecked());
        QCOMPARE(sim.Fft.FftColumnsUsed, 1);
        QVERIFY(AnalysisWindows::Pixels(w.Prbs, Palette::Blue) > 100);
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void FrequencyResponseShowsMagnitudeAndPhase() {
        PrbsRun w;
        const QImage impulse = AnalysisWindows::Picture(w.Prbs);
        w.Click("Option2");
        const Simulation& sim = w.Run.Sim;
        QVERIFY(!sim.Prbs.ImpulseResponseMode);
        QVERIFY(AnalysisWindows::Picture(w.Prbs) != impulse);
        // The magnitudes follow the plant's gain: at its resonance (0.707 rad/s, gain 1.155)
        // above the lowest bin, and at 3 rad/s (gain 0.117) far below it.
        const auto bin = [&](double radiansPerSecond) {
            const double f = radiansPerSecond / (2 * M_PI);
            int best = 1;
            for (int r = 1; r < (sim.Prbs.Length + 1) / 2; ++r) {
                if (std::fabs(sim.Display.At(16, r) - f) < std::fabs(sim.Display.At(16, best) - f)) best = r;
            }
            return best;
        };
        const double lowest = sim.Display.At(17, 1);
        const double lowestW = 2 * M_PI * sim.Display.At(16, 1);
        const int resonance = bin(std::sqrt(0.5));
        const double expected = PlantGain(2 * M_PI * sim.Display.At(16, resonance)) / PlantGain(lowestW);
        QVERIFY2(std::fabs(sim.Display.At(17, resonance) / lowest - expected) < 0.1 * expected,
                 qPrintable(QString("%1 %2").arg(sim.Display.At(17, resonance) / lowest).arg(expected)));
        QVERIFY(sim.Display.At(17, bin(3.0)) / lowest < 0.2);

        w.Click("Check3");
        QVERIFY(sim.Prbs.ShowCorrelationPhase);
        QCOMPARE(sim.Fft.FftColumnsUsed, 2);
        QVERIFY(sim.Display.At(18, resonance) != PhaseUndefinedMarker);
        QVERIFY(AnalysisWindows::Pixels(w.Prbs, Palette::Blue) > 100);

        // Log frequency: the read-out gives the frequency itself.
        w.Click("Check2");
        auto* picture = w.Prbs.findChild<PictureBox*>("Picture1");
        QSignalSpy clicks(picture, &PictureBox::Clicked);
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(picture->width() / 2, picture->height() / 2));
        const double x = clicks.takeFirst().at(0).toPointF().x();
        QCOMPARE(w.Prbs.findChild<QLabel*>("Label3")->text(), QString::fromStdString(Format(std::pow(10.0, x), "0.#####")));
        w.Click("Check1");
        QVERIFY(sim.Prbs.LogMagnitude);

        // Back to the impulse response: one curve, whatever the phase box says.
        w.Click("Option1");
        QCOMPARE(sim.Fft.FftColumnsUsed, 1);
        w.Press("Command2");
        QVERIFY(!w.Prbs.isVisible());
        QVERIFY(w.Run.Host.Messages().empty());
    }

    void PrintsAndExports() {
        PrbsRun w;
        const std::string pdf = w.Run.Path("prbs-print.pdf");
        w.Prbs.ChoosePrinter = PdfPrinter(pdf);
        w.Press("Command1");
        const std::string printed = PdfText(pdf);
        QVERIFY2(Holds(printed, "Identifying a second-order plant - PRBS Correlation (Impulse Response)"), printed.c_str());
        QVERIFY2(Holds(printed, "Correlation Time"), printed.c_str());

        QString answer;
        w.Prbs.ChooseSaveFile = [&answer](QWidget*, const QString&, const QString&) { return answer; };
        // The picture formats are the result windows' shared export; one shows the analysis reaches it.
        answer = QString::fromStdString(w.Run.Path("prbs.pdf"));
        w.Press("Command4");
        QVERIFY(Holds(PdfText(w.Run.Path("prbs.pdf")), "PRBS Correlation"));

        answer = QString::fromStdString(w.Run.Path("impulse.csv"));
        w.Press("Command5");
        std::vector<std::string> lines = testing::ReadLines(w.Run.Path("impulse.csv"));
        QCOMPARE(lines.size(), std::size_t(1 + 128));   // lags 0..127
        QCOMPARE(lines[0], std::string("Correlation Time ,PRBS Correlation "));

        w.Click("Option2");
        w.Click("Check3");
        answer = QString::fromStdString(w.Run.Path("frequency.csv"));
        w.Press("Command5");
        lines = testing::ReadLines(w.Run.Path("frequency.csv"));
        QCOMPARE(lines.size(), std::size_t(1 + 63));   // bins 1..63
        QCOMPARE(lines[0], std::string("Correlation Frequency ,Frequency Response,Phase - "));
        QVERIFY(w.Run.Host.Messages().empty());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::CplotTest)
#include "cplot_test.moc"
