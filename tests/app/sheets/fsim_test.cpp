#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/controls/twips.h"
#include "app/editing/form8.h"
#include "app/sheets/block_drag.h"
#include "app/sheets/form1.h"
#include "app/sheets/fsim.h"
#include "app/shell/mdigen.h"
#include "app/support/app_fixture.h"
#include "app/support/sheets_only_desktop.h"
#include "app/support/window_rig.h"
#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "forms/block_properties.h"
#include "storage/data_file_writer.h"

namespace quorvane {

namespace {

constexpr int Constant = 1;
constexpr int Gain = 6;
constexpr int Lag = 10;
constexpr int Display = 42;
constexpr int InputTerminal = 48;
constexpr int OutputTerminal = 50;
constexpr int Chirp = 60;


/// Sheet 1 and the toolbox over a started simulation, as the program shows them.
struct Desk {
    Desk() {
        Sheet = std::make_unique<Fsim>(1, Sim, Editing);
        Toolbox = std::make_unique<Form1>(Sim, Editing);
        Windows.Attach(*Sheet);
        Windows.Attach(*Toolbox);
        Sheet->show();
        Toolbox->show();
    }

    void FromToolbox(int code, QPoint corner) { TakeFromToolbox(*Toolbox, *Sheet, code, corner); }
    void Drop(QPoint pixel) { DropOn(*Sheet, pixel); }
    void Click(QPoint pixel) { QTest::mouseClick(Sheet.get(), Qt::LeftButton, {}, pixel); }
    void Key(Qt::Key key) { QTest::keyClick(Sheet.get(), key); }
    const SimulationForm& Form() const { return Sim.Forms[1]; }
    ConnectionLine LineOf(int c, int i) const { return Form().Lines[Form().Connections[c].FirstLine + i - 1]; }

    SheetsOnlyDesktop Windows;
    TestSimulation Test{Begin::Started, Windows};
    RecordingHost& Host = Test.Host;
    Simulation& Sim = Test.Sim;
    EditingState& Editing = Test.State;
    std::unique_ptr<Fsim> Sheet;
    std::unique_ptr<Form1> Toolbox;
};

QByteArray SavedText(Simulation& sim, const QString& folder) {
    const QString path = folder + "/lag.vqe";
    if (!SaveSimulation(sim, path.toStdString())) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Pixels of the sheet's palette colour `n` in a grab of it.
int CountColour(const QImage& image, Palette n) {
    const Colour c = PaletteColour(n);
    const QRgb wanted = qRgb(c.Red, c.Green, c.Blue);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xffffff) == (wanted & 0xffffff);
    }
    return count;
}

}  // namespace

class FsimTest : public QObject {
    Q_OBJECT
private slots:
    // Constant at (1200, 1200), lag at (3600, 2400), display at (6000, 2400) twips; the constant
    // feeds the lag through two bend points, the lag feeds the display directly.
    void BuildsTheLagModelByHandAsTheCoreWould() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 160});
        desk.FromToolbox(Display, {400, 160});
        QCOMPARE(desk.Form().BlockCount, 3);
        desk.Click({124, 100});   // constant output 2
        desk.Click({160, 104});   // bend at (2400, 1560)
        desk.Click({160, 184});   // bend at (2400, 2760)
        desk.Click({243, 180});   // lag input
        desk.Click({284, 180});   // lag output
        desk.Click({403, 180});   // display input
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
        QCOMPARE(desk.Host.Sounds(), (std::vector<int>{2, 1, 1, 2, 2, 2}));

        TestSimulation core(Begin::Started);
        Simulation& built = core.Sim;
        EditingState& state = core.State;
        RecordingCanvas& canvas = core.Canvas;
        for (auto [code, left, top] : {std::tuple{Constant, 1200, 1200}, {Lag, 3600, 2400}, {Display, 6000, 2400}}) {
            BeginNewBlockDrag(state, code, 0, 0);
            PlaceBlock(built, state, 1, code, left, top);
        }
        PressOnBlock(built, state, 1, 1, 650, 310, canvas);
        ClickOnSheet(built, state, 1, 2400, 1560, canvas);
        ClickOnSheet(built, state, 1, 2400, 2760, canvas);
        PressOnBlock(built, state, 1, 2, 10, 310, canvas);
        PressOnBlock(built, state, 1, 2, 610, 310, canvas);
        PressOnBlock(built, state, 1, 3, 10, 310, canvas);
        QCOMPARE(built.Forms[1].NextConnection, 3);

        // The constant's value and the lag's time constant typed into the block window that a
        // right press opens.
        Form8 dialog(desk.Sim);
        QObject::connect(desk.Sheet.get(), &Fsim::BlockDialogRequested,
                         [&dialog](const BlockDialogRequest& request) { dialog.Open(request.Form, request.Block); });
        for (auto [pixel, field, text] : {std::tuple{QPoint(100, 100), "Text5", "1"}, {QPoint(264, 180), "Text7", "0.5"}}) {
            QTest::mousePress(desk.Sheet.get(), Qt::RightButton, {}, pixel);
            QVERIFY(dialog.isVisible());
            auto* box = dialog.findChild<QLineEdit*>(field);
            box->selectAll();
            QTest::keyClicks(box, text);
            QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        }
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
        BlockPropertiesFields value = ActivateBlockProperties(built, 1, 1);
        value.InitialCondition = "1";
        StoreBlockProperties(built, value);
        BlockPropertiesFields timeConstant = ActivateBlockProperties(built, 1, 2);
        timeConstant.Constant[0] = "0.5";
        StoreBlockProperties(built, timeConstant);
        QTemporaryDir byHand;
        QTemporaryDir byCore;
        const QByteArray saved = SavedText(desk.Sim, byHand.path());
        QVERIFY(!saved.isEmpty());
        QCOMPARE(saved, SavedText(built, byCore.path()));
    }

    // The keys reach all the mouse does on a sheet, with a pointer of their own: the lag model
    // turned, wired, a block carried and one put back, a block's window opened.
    void TheKeysTurnWireCarryAndOpenBlocks() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 160});
        desk.FromToolbox(Display, {400, 160});
        desk.Sheet->setFocus();
        auto said = [&desk] { return desk.Sheet->accessibleDescription().toStdString(); };
        desk.Key(Qt::Key_Tab);
        desk.Key(Qt::Key_Tab);
        desk.Key(Qt::Key_T);
        QCOMPARE(desk.Form().Blocks[2].FunctionCode, Lag + 1);
        desk.Key(Qt::Key_T);
        QTest::keyClick(desk.Sheet.get(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(said(), "Constant, block 1");
        desk.Key(Qt::Key_O);
        desk.Key(Qt::Key_O);
        QCOMPARE(said(), "Constant, block 1, output 2");
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_1, Qt::Key_Space, Qt::Key_O, Qt::Key_Space,
                            Qt::Key_Tab, Qt::Key_1}) {
            desk.Key(key);
        }
        QCOMPARE(said(), "Display, block 3, input 1");
        desk.Key(Qt::Key_Space);
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
        QCOMPARE(desk.Form().NextConnection, 3);
        for (auto [c, from, output, to] : {std::tuple{1, 1, 2, 2}, {2, 2, 1, 3}}) {
            const Connection& link = desk.Form().Connections[c];
            QCOMPARE(std::tuple(link.FromBlock, link.FromOutput, link.ToBlock, link.ToInput),
                     std::tuple(from, output, to, 1));
        }

        // The lag (3600, 2400) carried 480 twips down; then 120 more, given up with Escape.
        QTest::keyClick(desk.Sheet.get(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(desk.Sheet.get(), Qt::Key_Space, Qt::ControlModifier);
        for (int i = 0; i < 4; ++i) desk.Key(Qt::Key_Down);
        desk.Key(Qt::Key_Space);
        QCOMPARE(std::pair(desk.Form().Blocks[2].Left, desk.Form().Blocks[2].Top), std::pair(3600, 2880));
        QTest::keyClick(desk.Sheet.get(), Qt::Key_Space, Qt::ControlModifier);
        desk.Key(Qt::Key_Down);
        desk.Key(Qt::Key_Escape);
        QCOMPARE(desk.Form().Blocks[2].Top, 2880);

        QSignalSpy opened(desk.Sheet.get(), &Fsim::BlockDialogRequested);
        desk.Key(Qt::Key_Return);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].value<BlockDialogRequest>().Block, 2);
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
    }

    // A block deleted while held with the keys or the mouse: letting go moves nothing, not the
    // block that now has its number.
    void ADeleteDuringAHoldLeavesTheOtherBlocksAlone() {
        for (const bool keys : {true, false}) {
            Desk desk;
            desk.FromToolbox(Constant, {80, 80});
            desk.FromToolbox(Lag, {240, 160});
            desk.Sheet->setFocus();
            if (keys) {
                desk.Key(Qt::Key_Tab);
                QTest::keyClick(desk.Sheet.get(), Qt::Key_Space, Qt::ControlModifier);
            } else {
                QTest::mousePress(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(104, 104));
            }
            desk.Key(Qt::Key_Delete);
            QCOMPARE(desk.Form().BlockCount, 1);
            if (keys) {
                desk.Key(Qt::Key_Down);
                desk.Key(Qt::Key_Space);
            } else {
                QTest::mouseRelease(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(104, 112));
            }
            QCOMPARE(std::pair(desk.Form().Blocks[1].Left, desk.Form().Blocks[1].Top), std::pair(3600, 2400));
            QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
        }
    }

    void EscapeWithNothingPendingClearsBothSelectionsAndRedraws() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 80});
        desk.Click({124, 100});
        desk.Click({243, 100});   // connected, and the new connection selected
        desk.Click({400, 400});   // nothing there: unselected
        QCOMPARE(desk.Editing.SelectedConnection, 0);
        const int unmarked = CountColour(desk.Sheet->grab().toImage(), SelectionColour);
        desk.Click({180, 100});
        QCOMPARE(desk.Editing.SelectedConnection, 1);
        QVERIFY(CountColour(desk.Sheet->grab().toImage(), SelectionColour) > unmarked);
        SelectBlock(desk.Editing, 1, 2);
        desk.Sheet->ShowSelection();
        desk.Key(Qt::Key_Escape);
        QCOMPARE(desk.Editing.SelectedConnection, 0);
        QCOMPARE(desk.Editing.SelectedBlock, 0);
        QVERIFY(!desk.Sheet->findChild<QLabel*>("Image2")->isVisible());
        QCOMPARE(CountColour(desk.Sheet->grab().toImage(), SelectionColour), unmarked);
        QCOMPARE(desk.Form().NextConnection, 2);
    }

    // Escape while a connection is being drawn leaves nothing of it on the sheet: no start
    // marker, no segment, no rubber band.
    void EscapeAbandonsTheConnectionBeingDrawn() {
        for (const bool bend : {false, true}) {
            Desk desk;
            desk.FromToolbox(Constant, {80, 80});
            const QImage before = desk.Sheet->grab().toImage();
            desk.Click({124, 100});   // started from the constant's output
            if (bend) desk.Click({200, 104});
            QTest::mouseMove(desk.Sheet.get(), QPoint(300, 300));
            QVERIFY(desk.Sim.PendingLineCount != 0);
            QVERIFY(desk.Sheet->grab().toImage() != before);
            desk.Key(Qt::Key_Escape);
            QCOMPARE(desk.Sim.PendingLineCount, 0);
            QCOMPARE(CountColour(desk.Sheet->grab().toImage(), MarkerColour), CountColour(before, MarkerColour));
            QCOMPARE(CountColour(desk.Sheet->grab().toImage(), LineColour), CountColour(before, LineColour));
        }
    }

    // A double click on free area while drawing is one bend point, not a second of no length.
    void DoubleClickWhileDrawingAddsOneBendPoint() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.Click({124, 100});   // the constant's output: drawing starts
        desk.Click({200, 104});   // the first line
        // A double click is two clicks at one place, however the second one is reported.
        desk.Click({200, 250});
        desk.Click({200, 250});
        QCOMPARE(desk.Sim.PendingLineCount, 2);
        const ConnectionLine& bend = desk.Sim.PendingLine[2];
        QVERIFY(bend.X1 != bend.X2 || bend.Y1 != bend.Y2);
    }

    void DeleteWithNothingSelectedDoesNothing() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 80});
        desk.Click({124, 100});
        desk.Click({243, 100});
        desk.Key(Qt::Key_Escape);
        desk.Host.Clear();
        const auto saved = SimulationText(desk.Sim, "x");
        desk.Key(Qt::Key_Delete);
        QVERIFY(desk.Host.Log.empty());
        QVERIFY(SimulationText(desk.Sim, "x") == saved);
    }

    // Which blocks can turn is the block editing's rule.
    void DoubleClickTurnsABlock() {
        Desk desk;
        desk.FromToolbox(Gain, {80, 80});
        QTest::mouseDClick(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(104, 104));
        QCOMPARE(desk.Form().Blocks[1].FunctionCode, Gain + 1);
        QCOMPARE(desk.Form().Blocks[1].Left, 1200);
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{});
    }

    void DraggingAJointMovesTheBendPoint() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 160});
        desk.Click({124, 100});
        desk.Click({243, 180});   // direct: (1800,1560)-(2700,1560)-(2700,2760)-(3600,2760)
        QCOMPARE(desk.LineOf(1, 1), (ConnectionLine{1800, 1560, 2700, 1560}));
        desk.Click({400, 400});   // nothing there: selection cleared
        QCOMPARE(desk.Editing.SelectedConnection, 0);
        desk.Host.Clear();
        desk.Click({180, 120});   // on the vertical segment: selected
        QCOMPARE(desk.Editing.SelectedConnection, 1);
        QTest::mousePress(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(180, 104));   // the joint at (2700, 1560)
        QTest::mouseMove(desk.Sheet.get(), QPoint(200, 130));
        QTest::mouseRelease(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(200, 130));
        QCOMPARE(desk.LineOf(1, 1), (ConnectionLine{1800, 1560, 3000, 1920}));
        QCOMPARE(desk.LineOf(1, 2), (ConnectionLine{3000, 1920, 2700, 2760}));
        QCOMPARE(desk.Editing.SelectedConnection, 1);
        QCOMPARE(desk.Host.Sounds(), (std::vector<int>{4, 5}));
    }

    void DropsOnABlockAreRefused() {
        Desk desk;
        desk.FromToolbox(Constant, {80, 80});
        desk.FromToolbox(Lag, {240, 80});
        desk.Host.Clear();
        desk.FromToolbox(Gain, {250, 90});
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{"Blocks cannot be placed upon other blocks - Drag Drop"});
        QCOMPARE(desk.Form().BlockCount, 2);
        QCOMPARE(desk.Editing.NewBlockCode, 0);

        desk.Host.Clear();
        QTest::mousePress(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(100, 84));   // the constant's body
        QVERIFY(desk.Editing.Moving);
        desk.Drop({260, 90});
        QCOMPARE(desk.Host.Messages(), std::vector<std::string>{"attempt to place block on top of another"});
        QCOMPARE(desk.Form().Blocks[1].Left, 1200);
        QVERIFY(!desk.Editing.Moving);

        // The same block dropped on free area moves, by the grab point.
        QTest::mousePress(desk.Sheet.get(), Qt::LeftButton, {}, QPoint(100, 84));
        desk.Drop({100, 300});
        QCOMPARE(desk.Form().Blocks[1].Left, 1200);
        QCOMPARE(desk.Form().Blocks[1].Top, 4440);
    }

    void RightPressOpensTheBlocksDialogBesideIt() {
        struct Row {
            int Code;
            BlockDialog Dialog;
        };
        for (const Row row : {Row{Chirp, BlockDialog::Properties}, Row{InputTerminal, BlockDialog::InputTerminal},
                              Row{OutputTerminal, BlockDialog::OutputTerminal}}) {
            Desk desk;
            QSignalSpy spy(desk.Sheet.get(), &Fsim::BlockDialogRequested);
            desk.FromToolbox(row.Code == OutputTerminal ? row.Code : Chirp, {80, 40});
            desk.Sim.Forms[1].Blocks[1].FunctionCode = row.Code;
            QTest::mousePress(desk.Sheet.get(), Qt::RightButton, {}, QPoint(100, 60));
            QCOMPARE(spy.count(), 1);
            const auto request = spy.at(0).at(0).value<BlockDialogRequest>();
            QCOMPARE(request, (BlockDialogRequest{row.Dialog, 1, 1, row.Code, 3800, 2250}));
            QCOMPARE(desk.Editing.SelectedBlock, 1);
        }
    }

    // The chirp at (1200, 600) on sheet 1, which stands at (2100, 1150): its window opens with its
    // top-left corner at (3800, 2250) of the main window's client area, the first field focused.
    void InTheMainWindowTheBlockWindowOpensBesideTheBlock() {
        testing::ProgramUnderTest program;
        program.Start();
        MDIGen& main = *program.Window;
        Fsim& sheet = main.Sheet(1);
        QCOMPARE(sheet.SheetPlace(), QPoint(2100, 1150));
        TakeFromToolbox(main.Toolbox(), sheet, Chirp, {80, 40});
        QCOMPARE(main.Model().Forms[1].Blocks[1].Left, 1200);
        QCOMPARE(main.Model().Forms[1].Blocks[1].Top, 600);
        QTest::mousePress(&sheet, Qt::RightButton, {}, QPoint(100, 60));
        Form8& dialog = main.BlockProperties();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.EditBlock(), 1);
        QCOMPARE(dialog.pos(), main.Client().viewport()->mapToGlobal(QPoint(TwipsToPixels(3800), TwipsToPixels(2250))));
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QLineEdit*>("Text1"));
    }

    void ParameterMarkersStandJustAboveTheirBlock() {
        Desk desk;
        desk.FromToolbox(Lag, {240, 160});
        desk.Windows.ShowMarker(1, 3, 1);
        QLabel* marker = nullptr;
        for (QLabel* image : desk.Sheet->findChildren<QLabel*>("Image3")) {
            if (image->property("Index").toInt() == 3) marker = image;
        }
        QVERIFY(marker && marker->isVisible());
        QCOMPARE(marker->toolTip(), QString("Time Constant Not Set"));
        QCOMPARE(marker->pos(), QPoint(240, 160 - 7));   // 100 twips above, to the pixel
        desk.Windows.HideMarkers(1);
        QVERIFY(!marker->isVisible());
    }

    // In the main window a new simulation forgets a connection being drawn.
    void InTheMainWindowANewSimulationForgetsTheConnectionBeingDrawn() {
        testing::ProgramUnderTest program;
        program.Start();
        MDIGen& main = *program.Window;
        Fsim& sheet = main.Sheet(1);
        TakeFromToolbox(main.Toolbox(), sheet, Constant, {240, 80});
        QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(284, 100));   // started from its output
        const Simulation& sim = main.Model();
        QCOMPARE(sim.PendingLineCount, -1);
        program.Host.Choices = {Answer::No};
        main.MnewSim_Click();
        QCOMPARE(sim.PendingLineCount, 0);
        QCOMPARE(sim.Forms[1].BlockCount, 0);
        TakeFromToolbox(main.Toolbox(), main.Sheet(1), Lag, {80, 80});
        QCOMPARE(sim.Forms[1].BlockCount, 1);
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FsimTest)
#include "fsim_test.moc"
