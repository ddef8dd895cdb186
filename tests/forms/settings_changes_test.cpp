#include <gtest/gtest.h>

#include <functional>

#include "forms/data_display.h"
#include "forms/fft_properties.h"
#include "forms/main_window.h"
#include "forms/print_format.h"
#include "forms/scales_dialog.h"
#include "run/run_window.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

// Values saved with the model outside the undoable tables: a change made in a window or a menu
// is a change of the model until it is saved, so that it is not dropped without a question.
TEST(SettingsChanges, CountAsChangesOfTheModelUntilSaved) {
    struct Case {
        const char* What;
        std::function<void(Simulation&)> Change;
        bool Changes;
    };
    const Case cases[] = {
        {"stop time typed", [](Simulation& sim) {
             RunWindow window;
             RefreshRunWindow(sim, window);
             window.Text2 = "25";
             EditRunWindow(sim, window);
         }, true},
        {"run window stored as it stands", [](Simulation& sim) {
             RunWindow window;
             RefreshRunWindow(sim, window);
             EditRunWindow(sim, window);
         }, false},
        {"print interval", [](Simulation& sim) {
             DataDisplayDialog dialog = LoadDataDisplay(sim.Run);
             dialog.Text1 = "2";
             ApplyDataDisplay(sim, dialog);
         }, true},
        {"print format", [](Simulation& sim) {
             PrintFormatDialog dialog = LoadPrintFormat(sim.Run);
             dialog.Text1 = "3";
             ApplyPrintFormat(sim.Run, sim.History, dialog);
         }, true},
        {"radians per second", [](Simulation& sim) { SetFrequencyInHz(sim, false); }, true},
        {"hertz as before", [](Simulation& sim) { SetFrequencyInHz(sim, true); }, false},
        {"maths symbols", [](Simulation& sim) { ToggleMathsSymbols(sim); }, true},
        {"manual Y scale", [](Simulation& sim) {
             ApplyScalesDialog(sim, {true, false, "10", "-10", "1", "0", false, false});
         }, true},
        {"scales refused", [](Simulation& sim) {
             ApplyScalesDialog(sim, {true, false, "-10", "10", "1", "0", false, false});
         }, false},
        {"FFT size", [](Simulation& sim) {
             FftPropertiesDialog dialog = LoadFftProperties(sim);
             dialog.List1 = dialog.List1 == 0 ? 1 : 0;
             ApplyFftProperties(sim, dialog);
         }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TestSimulation shell(Begin::Started);
        Simulation& sim = shell.Sim;
        ASSERT_FALSE(sim.History.Changed());
        c.Change(sim);
        EXPECT_EQ(sim.History.Changed(), c.Changes);
        EXPECT_EQ(shell.Windows.Unsaved, c.Changes);
        sim.History.MarkSaved();
        EXPECT_FALSE(sim.History.Changed());
    }
}

}  // namespace
}  // namespace quorvane
