#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <map>
#include <optional>

#include "app/sheets/form1.h"
#include "app/support/sheets_only_desktop.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

/// The toolbox built at start-up, as the program builds it.
struct Box {
    Box() { Started.emplace(Sim, Editing); }
    SheetsOnlyDesktop Windows;
    TestSimulation Test{Begin::Started, Windows};
    Simulation& Sim = Test.Sim;
    EditingState& Editing = Test.State;
    RecordingHost& Host = Test.Host;
    std::optional<Form1> Started;
    Form1& Toolbox() { return *Started; }
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void TurningToPageTwoAndBackKeepsPageOneInPlace() {
        Box box;
        Form1& toolbox = box.Toolbox();
        toolbox.show();
        QCOMPARE(toolbox.windowTitle(), QString("  Simulation Toolbox"));

        auto shown = [&toolbox] {
            std::map<int, QPoint> places;
            for (int code = 0; code < ToolboxImageCount; ++code) {
                if (toolbox.Image1(code)->isVisible()) places[code] = toolbox.Image1(code)->pos();
            }
            return places;
        };
        const auto pageOne = shown();
        QVERIFY(pageOne.size() > 10 && pageOne.size() <= 30);
        QVERIFY(pageOne.count(0) == 0);

        auto* scroll = toolbox.findChild<QScrollBar*>("HScroll1");
        auto* label = toolbox.findChild<QLabel*>("Label2");
        QVERIFY(scroll && label);
        scroll->setValue(2);
        QCOMPARE(label->text(), QString("2"));
        QCOMPARE(toolbox.CurrentPage(), 2);
        const auto pageTwo = shown();
        QVERIFY(!pageTwo.empty() && pageTwo.size() <= 30);
        for (const auto& [code, place] : pageTwo) {
            QVERIFY2(pageOne.count(code) == 0, qPrintable(QString::number(code)));
            // Page two stands in page one's area, not where the design keeps it.
            QVERIFY(place.x() < toolbox.width());
        }
        scroll->setValue(1);
        QCOMPARE(label->text(), QString("1"));
        QCOMPARE(shown(), pageOne);
    }

    void PressingAnImageTakesItsBlockAndReleasingDropsIt() {
        Box box;
        Form1& toolbox = box.Toolbox();
        toolbox.show();
        QLabel* lag = toolbox.Image1(10);
        QCOMPARE(lag->toolTip(), QString("{Lag} Op=Ip/(1+ks)"));
        // 8 pixels into a 32-pixel image is 180 twips into the 720-twip block.
        QTest::mousePress(lag, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(box.Editing.NewBlockCode, 10);
        QCOMPARE(box.Editing.GrabX, 180);
        QCOMPARE(box.Editing.GrabY, 270);
        QTest::mouseRelease(lag, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(box.Editing.NewBlockCode, 0);
    }

    // At toolbox size the natural logarithm and the input terminal must not look alike: their
    // faces differ in a good share of the inked pixels.
    void LogarithmAndInputTerminalLookDifferent() {
        Box box;
        auto face = [&box](int code) {
            const QPixmap shown = box.Toolbox().Image1(code)->pixmap();
            QImage picture(shown.size(), QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter(&picture).drawPixmap(0, 0, shown);
            return picture.copy(picture.width() / 4, picture.height() / 4, picture.width() / 2, picture.height() / 2);
        };
        const QImage ln = face(30);
        const QImage in = face(48);
        QCOMPARE(ln.size(), in.size());
        int inked = 0;
        int differing = 0;
        for (int y = 0; y < ln.height(); ++y) {
            for (int x = 0; x < ln.width(); ++x) {
                const bool a = qGray(ln.pixel(x, y)) < 128;
                const bool b = qGray(in.pixel(x, y)) < 128;
                inked += a || b;
                differing += a != b;
            }
        }
        QVERIFY(inked > 0);
        QVERIFY2(differing * 3 >= inked, qPrintable(QString("%1 of %2").arg(differing).arg(inked)));
    }

    // Without a pointer: the scroll bar turns the pages, Tab walks the images as they stand and
    // Enter on one places its block on the sheet.
    void TheKeyboardTurnsPagesAndPlacesBlocks() {
        Box box;
        Form1& toolbox = box.Toolbox();
        toolbox.show();
        auto* scroll = toolbox.findChild<QScrollBar*>("HScroll1");
        QVERIFY(scroll->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(scroll, Qt::Key_Right);
        QCOMPARE(toolbox.CurrentPage(), 2);
        QTest::keyClick(scroll, Qt::Key_Left);
        QCOMPARE(toolbox.CurrentPage(), 1);

        scroll->setFocus();
        QTest::keyClick(scroll, Qt::Key_Tab);
        QCOMPARE(toolbox.focusWidget(), toolbox.Image1(1));   // the constant, top left
        QTest::keyClick(toolbox.Image1(1), Qt::Key_Tab);
        QCOMPARE(toolbox.focusWidget(), toolbox.Image1(40));  // beside it, though numbered later

        QTest::keyClick(toolbox.Image1(10), Qt::Key_Return);
        QTest::keyClick(toolbox.Image1(1), Qt::Key_Space);
        const SimulationForm& sheet = box.Sim.Forms[1];
        QCOMPARE(sheet.BlockCount, 2);
        QCOMPARE(sheet.Blocks[1].FunctionCode, 10);
        QCOMPARE(sheet.Blocks[2].FunctionCode, 1);
        QVERIFY(sheet.Blocks[2].Left != sheet.Blocks[1].Left);
        QVERIFY(box.Host.Log.empty());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::Form1Test)
#include "form1_test.moc"
