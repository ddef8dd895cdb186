#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/analysis/cplot.h"
#include "app/analysis/fftprop.h"
#include "app/analysis/fplot.h"
#include "app/controls/picture_box.h"
#include "app/shell/form3.h"
#include "app/support/app_fixture.h"
#include "engine/simulation.h"

namespace quorvane {

using testing::ProgramUnderTest;

namespace {

/// The run window's Run pressed with its FFT and Correlation boxes set.
void RunWithAnalyses(MDIGen& window) {
    Form3& run = window.RunWindow();
    for (const char* name : {"Check4", "Check5"}) {
        auto* box = run.findChild<QCheckBox*>(name);
        if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton);
    }
    QTest::mouseClick(run.findChild<QPushButton*>("Command1"), Qt::LeftButton);
}

/// Maximised and restored, an analysis window draws its picture again at the new size.
void ExpectRedrawnWhenMaximised(QWidget& analysis) {
    auto* frame = qobject_cast<QMdiSubWindow*>(analysis.parentWidget());
    const auto* picture = analysis.findChild<PictureBox*>("Picture1");
    for (const bool maximised : {true, false}) {
        maximised ? frame->showMaximized() : frame->showNormal();
        QCOMPARE(picture->Picture().size(), picture->size());
    }
}

}  // namespace

class MDIGenAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void RunsOpenTheAnalysisWindowsAndLoadingClosesThem() {
        ProgramUnderTest program;
        program.Start(program.Example("Square Wave Spectrum"));
        MDIGen& window = *program.Window;
        program.Host.Clear();   // the first start's notes on the example folder
        RunWithAnalyses(window);
        Fplot& frequency = window.FrequencyWindow();
        QVERIFY(frequency.isVisible());
        QVERIFY(frequency.findChild<QListWidget*>("List1")->count() > 2);
        QVERIFY(window.Model().Fft.FftColumnsUsed > 0);
        // No correlator on this model: no PRBS analysis, and nothing to say about it.
        QVERIFY(!window.PrbsWindow().isVisible());
        QVERIFY(program.Host.Messages().empty());
        ExpectRedrawnWhenMaximised(frequency);
        // Another model loaded: the frequency window goes, the PRBS one opens after its run.
        window.MDIForm_Load(program.Example("PRBS Identification"));
        QVERIFY(!frequency.isVisible());
        QCOMPARE(frequency.findChild<QListWidget*>("List1")->count(), 0);
        RunWithAnalyses(window);
        QVERIFY(window.PrbsWindow().isVisible());
        QVERIFY(window.PrbsWindow().windowTitle().startsWith("PRBS Analysis"));
        ExpectRedrawnWhenMaximised(window.PrbsWindow());
    }

    void MenuOpensTheFftProperties() {
        ProgramUnderTest program;
        program.Start();
        MDIGen& window = *program.Window;
        QAction* item = window.findChild<QAction*>("Mfftchar");
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QString("FFT && PRBS &Properties"));
        item->trigger();
        QVERIFY(window.FftPropertiesWindow().isVisible());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::MDIGenAnalysisTest)
#include "mdigen_analysis_test.moc"
