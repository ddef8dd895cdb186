#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include <memory>

#include "app/controls/twips.h"
#include "app/sheets/fsim.h"
#include "app/shell/mdigen.h"
#include "app/support/app_fixture.h"
#include "app/support/window_rig.h"
#include "editing/block_selection.h"
#include "engine/simulation.h"
#include "storage/clipboard_text.h"

namespace quorvane {

namespace {

constexpr int Constant = 1;
constexpr int Gain = 6;

QPoint Pixels(int x, int y) { return {TwipsToPixels(x), TwipsToPixels(y)}; }

}  // namespace

/// The Edit menu and the block selection of the running program, driven on sheet 1 with the
/// keyboard and the pointer.
class EditMenuTest : public QObject {
    Q_OBJECT

private:
    MDIGen& Main() { return *Program->Window; }
    Simulation& Sim() { return Main().Model(); }
    Fsim& Sheet() { return Main().Sheet(1); }
    const SimulationForm& Form() { return Sim().Forms[1]; }
    std::vector<int> Selected() { return SelectedBlocks(Main().SheetEditing(), 1); }

    /// A toolbox image pressed in its middle and dropped with the block's corner at (x, y) twips.
    void Place(int code, int x, int y) { TakeFromToolbox(Main().Toolbox(), Sheet(), code, Pixels(x, y)); }
    /// Output 1 of `from` to input 1 of `to`, pressed on their terminals.
    void Connect(int from, int to) {
        const Block& source = Form().Blocks[from];
        const Block& target = Form().Blocks[to];
        const BlockFunction& out = Sim().Functions[source.FunctionCode];
        const BlockFunction& in = Sim().Functions[target.FunctionCode];
        const QPoint start = Pixels(source.Left + out.OutputX[1] + 20, source.Top + out.OutputY[1] + 20);
        const QPoint end = Pixels(target.Left + in.InputX[1] + 20, target.Top + in.InputY[1] + 20);
        QTest::mouseClick(&Sheet(), Qt::LeftButton, {}, start);
        QTest::mouseClick(&Sheet(), Qt::LeftButton, {}, end);
    }
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&Sheet(), key, modifiers);
    }
    /// A selection box dragged from one sheet point to another, twips.
    void Box(int x1, int y1, int x2, int y2) {
        QTest::mousePress(&Sheet(), Qt::LeftButton, {}, Pixels(x1, y1));
        QTest::mouseMove(&Sheet(), Pixels((x1 + x2) / 2, (y1 + y2) / 2));
        QTest::mouseMove(&Sheet(), Pixels(x2, y2));
        QTest::mouseRelease(&Sheet(), Qt::LeftButton, {}, Pixels(x2, y2));
    }
    /// Block b pressed in its middle (with `modifiers`), released without moving.
    void ClickBlock(int b, Qt::KeyboardModifiers modifiers = {}) {
        const Block& block = Form().Blocks[b];
        QTest::mouseClick(&Sheet(), Qt::LeftButton, modifiers, Pixels(block.Left + 360, block.Top + 360));
    }
    bool Enabled(const char* item) { return Main().findChild<QAction*>(item)->isEnabled(); }

    std::unique_ptr<testing::ProgramUnderTest> Program;

private slots:
    void init() {
        Program = std::make_unique<testing::ProgramUnderTest>();
        Program->Start();
        Main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
        Sheet().setFocus();
        Program->Host.Clear();
    }
    void cleanup() { Program.reset(); }

    void UndoAndRedoTakeBackAndRedoEveryEdit();
    void CopyPasteAndDuplicateCarryTheConnectionsAmongTheBlocks();
    void SelectedBlocksMoveAndGoTogether();
};

void EditMenuTest::UndoAndRedoTakeBackAndRedoEveryEdit() {
    QVERIFY(!Enabled("MUndo"));
    Place(Constant, 1200, 1200);
    Place(Gain, 3600, 1200);
    Connect(1, 2);
    QCOMPARE(Form().NextConnection, 2);
    QVERIFY(Enabled("MUndo"));
    QVERIFY(!Enabled("MRedo"));

    Keys(Qt::Key_Z);
    QCOMPARE(Form().NextConnection, 1);
    Keys(Qt::Key_Z);
    QCOMPARE(Form().BlockCount, 1);
    QVERIFY(Enabled("MRedo"));
    Keys(Qt::Key_Y);
    Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Form().BlockCount, 2);
    QCOMPARE(Form().NextConnection, 2);
    QVERIFY(!Enabled("MRedo"));

    // Deleted with the key, given back by the menu item.
    ClickBlock(2);
    Keys(Qt::Key_Delete, Qt::NoModifier);
    QCOMPARE(Form().BlockCount, 1);
    Main().findChild<QAction*>("MUndo")->trigger();
    QCOMPARE(Form().BlockCount, 2);
    QCOMPARE(Form().NextConnection, 2);
    QCOMPARE(Program->Host.Messages(), std::vector<std::string>{});
}

void EditMenuTest::CopyPasteAndDuplicateCarryTheConnectionsAmongTheBlocks() {
    Place(Constant, 1200, 1200);
    Place(Gain, 3600, 1200);
    Place(Gain, 3600, 3600);
    Connect(1, 2);
    Connect(1, 3);
    QVERIFY(!Enabled("MCopy"));
    Box(1000, 1000, 4500, 2100);   // wholly around blocks 1 and 2, partly over 3
    QCOMPARE(Selected(), (std::vector<int>{1, 2}));
    QVERIFY(Enabled("MCopy"));

    Keys(Qt::Key_C);
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime->hasFormat(QString::fromLatin1(BlocksMimeType.data())));
    QVERIFY(Enabled("MPaste"));
    Keys(Qt::Key_V);
    QCOMPARE(Form().BlockCount, 5);
    QCOMPARE(Form().NextConnection, 4);   // which blocks it joins is the block copy's rule
    QCOMPARE(Selected(), (std::vector<int>{4, 5}));
    // At a click on free area (where the copies go is the edit commands' rule).
    QTest::mouseClick(&Sheet(), Qt::LeftButton, {}, Pixels(7250, 4850));
    Keys(Qt::Key_V);
    QCOMPARE(Form().BlockCount, 7);
    QCOMPARE(Form().Blocks[6].Left, 7200);
    QCOMPARE(Form().Blocks[6].Top, 4800);

    Keys(Qt::Key_D);
    QCOMPARE(Form().BlockCount, 9);
    QCOMPARE(Form().Blocks[8].Left, 7200 + 720);
    QCOMPARE(Form().NextConnection, 6);
    QCOMPARE(Program->Host.Messages(), std::vector<std::string>{});

    Keys(Qt::Key_A);
    QCOMPARE(Selected().size(), std::size_t(9));
    Keys(Qt::Key_X);
    QCOMPARE(Form().BlockCount, 0);
    Keys(Qt::Key_Z);
    QCOMPARE(Form().BlockCount, 9);
}

void EditMenuTest::SelectedBlocksMoveAndGoTogether() {
    Place(Constant, 1200, 1200);
    Place(Gain, 3600, 1200);
    Place(Gain, 3600, 3600);
    Connect(1, 2);
    ClickBlock(1);
    ClickBlock(3, Qt::ShiftModifier);
    ClickBlock(2, Qt::ShiftModifier);
    ClickBlock(3, Qt::ShiftModifier);   // taken out again
    QCOMPARE(Selected(), (std::vector<int>{1, 2}));

    // Block 2 pressed and dropped 480 twips further right: block 1 goes along (and its line, as
    // the edit commands check).
    QTest::mousePress(&Sheet(), Qt::LeftButton, {}, Pixels(3600 + 100, 1200 + 100));
    DropOn(Sheet(), Pixels(3600 + 100 + 480, 1200 + 100 + 960));
    QCOMPARE(Form().Blocks[2].Left, 4080);
    QCOMPARE(Form().Blocks[1].Left, 1680);
    QCOMPARE(Form().Blocks[1].Top, 2160);
    QCOMPARE(Selected(), (std::vector<int>{1, 2}));

    Keys(Qt::Key_Delete, Qt::NoModifier);
    QCOMPARE(Form().BlockCount, 1);
    QCOMPARE(Form().NextConnection, 1);
    Keys(Qt::Key_Z);
    QCOMPARE(Form().BlockCount, 3);
    QCOMPARE(Form().Blocks[1].Left, 1680);
    Keys(Qt::Key_Z);
    QCOMPARE(Form().Blocks[1].Left, 1200);
}

}  // namespace quorvane

QTEST_MAIN(quorvane::EditMenuTest)
#include "edit_menu_test.moc"
