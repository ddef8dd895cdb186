#include <QMdiSubWindow>

#include "app/analysis/cplot.h"
#include "app/analysis/fftprop.h"
#include "app/analysis/fplot.h"
#include "app/controls/child_window.h"
#include "app/shell/mdigen.h"
#include "forms/frequency_window.h"
#include "forms/prbs_window.h"

namespace quorvane {

namespace {

// Places of the analysis windows, in twips.
constexpr int FrequencyLeft = 900;
constexpr int FrequencyTop = 1500;
constexpr int PrbsLeft = 1200;
constexpr int PrbsTop = 1800;
constexpr int FftPropertiesLeft = 3000;
constexpr int FftPropertiesTop = 1500;
constexpr int FftPropertiesWidth = 3600;
constexpr int FftPropertiesHeight = 4200;

}  // namespace

void MDIGen::AddAnalysisWindows() {
    Frequency = new Fplot(*Sim);
    AddChild(Frequency, FrequencyLeft, FrequencyTop, FrequencyWindowWidth, FrequencyWindowHeight)->hide();
    Prbs = new Cplot(*Sim);
    AddChild(Prbs, PrbsLeft, PrbsTop, PrbsWindowWidth, PrbsWindowHeight)->hide();
    FftProperties = new FFTProp(*Sim);
    AddChild(FftProperties, FftPropertiesLeft, FftPropertiesTop, FftPropertiesWidth, FftPropertiesHeight)->hide();
    connect(Frequency, &Fplot::HelpRequested, this, &MDIGen::OpenManual);
    connect(Prbs, &Cplot::HelpRequested, this, &MDIGen::OpenManual);
}

void MDIGen::Mfftchar_Click() { ShowChildWindow(FftProperties); }

}  // namespace quorvane
