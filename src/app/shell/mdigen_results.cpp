#include <QMdiSubWindow>

#include "app/controls/child_window.h"
#include "app/controls/twips.h"
#include "app/results/disptim.h"
#include "app/results/form11.h"
#include "app/results/gplot.h"
#include "app/results/keyform.h"
#include "app/results/pformat.h"
#include "app/results/tabview.h"
#include "app/shell/mdigen.h"
#include "engine/simulation.h"
#include "forms/data_display.h"
#include "forms/scales_dialog.h"
#include "forms/tabulation_window.h"
#include "run/run_driver.h"

namespace quorvane {

namespace {

// Places of the result windows, in twips, until a model file gives them its own.
constexpr int GraphLeft = 600;
constexpr int GraphTop = 1200;
constexpr int GraphWidth = 12600;
constexpr int GraphHeight = 7200;
constexpr int KeyWidth = 4200;
constexpr int KeyHeight = 3600;
constexpr int TabulationLeft = 2400;
constexpr int TabulationTop = 1200;
constexpr int PrintFormatWidth = 6600;
constexpr int PrintFormatHeight = 5400;

}  // namespace

void MDIGen::AddResultWindows() {
    Key = new keyform;
    AddChild(Key, GraphLeft + GraphWidth, GraphTop, KeyWidth, KeyHeight)->hide();
    Scales = new Form11(*Sim);
    AddChild(Scales, GraphLeft, GraphTop, ScalesDialogWidth, ScalesDialogHeight)->hide();
    Graph = new GPlot(*Sim, *Scales, *Key);
    AddChild(Graph, GraphLeft, GraphTop, GraphWidth, GraphHeight)->hide();
    Format = new Pformat(*Sim);
    AddChild(Format, TabulationLeft, TabulationTop, PrintFormatWidth, PrintFormatHeight)->hide();
    Table = new tabview(*Sim, *Format);
    AddChild(Table, TabulationLeft, TabulationTop, TabulationWindowWidth, TabulationWindowHeight)->hide();
    Timing = new DispTim(*Sim);
    AddChild(Timing, DataDisplayLeft, DataDisplayTop, DataDisplayWidth, DataDisplayHeight)->hide();
    connect(Graph, &GPlot::HelpRequested, this, &MDIGen::OpenManual);
    connect(Table, &tabview::HelpRequested, this, &MDIGen::OpenManual);
    connect(Format, &Pformat::HelpRequested, this, &MDIGen::OpenManual);
}

void MDIGen::MLgraph_Click() { Graph->ShowGraph(SeriesTitles(*Sim)); }

void MDIGen::MLprint_Click() { Table->ShowTabulation(); }

void MDIGen::mddt_Click() { ShowChildWindow(Timing); }

void MDIGen::mPf_Click() { ShowChildWindow(Format); }

void MDIGen::PlaceResultWindow(QWidget* window, const WindowPlace& place) {
    QWidget* frame = WindowFrame(window);
    const int left = place.Left ? TwipsToPixels(*place.Left) : frame->x();
    const int top = place.Top ? TwipsToPixels(*place.Top) : frame->y();
    frame->move(left, top);
}

}  // namespace quorvane
