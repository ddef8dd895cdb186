#pragma once

#include <QList>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "app/shell/app_desktop.h"
#include "forms/main_window.h"
#include "forms/sound_switch.h"
#include "model/editing_state.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace quorvane {

class DispTim;
class Fmanage;
class Form1;
class Form3;
class Form4;
class Form7;
class Form8;
class Form9;
class Form10;
class FormProp;
class FFTProp;
class Fplot;
class Cplot;
class Fsim;
class Form11;
class GPlot;
class Gload;
class Gmaint;
class Gsave;
class Pformat;
class keyform;
class tabview;
class Host;
struct BlockDialogRequest;
struct RunErrorReport;
struct Simulation;
struct WindowPlace;

/// The main window: a multiple-document parent holding the sheets, toolbox, run window and
/// result windows, the menus that reach every window, and the display options they toggle.
class MDIGen : public QMainWindow {
    Q_OBJECT
public:
    MDIGen(Host& host, ProgramFolders folders, QWidget* parent = nullptr);
    ~MDIGen() override;

    /// Start-up: examples prepared, recent files read, the model started on sheet 1 with the
    /// toolbox and run window, then the file named on the command line (if any) loaded.
    void MDIForm_Load(const std::string& commandLine);

    Simulation& Model() { return *Sim; }
    ProgramState& Program() { return State; }
    AppDesktop& Windows() { return Desktop; }
    /// Dragging, wiring and selecting on the sheets.
    EditingState& SheetEditing() { return Editing; }
    QMdiArea& Client() { return *Area; }
    Form3& RunWindow() { return *RunForm; }
    Form4& AuditWindow() { return *AuditForm; }
    Form10& RunErrorWindow() { return *RunErrorForm; }
    /// The windows that edit the model: the form manager, the form properties, the block
    /// properties and the input and output terminal windows. The sheets open the last four.
    Fmanage& FormManager() { return *FormManagerForm; }
    FormProp& FormProperties() { return *FormPropertiesForm; }
    Form8& BlockProperties() { return *BlockForm; }
    Form7& InputTerminalWindow() { return *InputTerminalForm; }
    Form9& OutputTerminalWindow() { return *OutputTerminalForm; }
    Form1& Toolbox() { return *ToolboxForm; }
    /// The sheet of form slot 1, 2 or 3.
    Fsim& Sheet(int form) { return *Sheets[static_cast<std::size_t>(form)]; }
    GPlot& GraphWindow() { return *Graph; }
    tabview& TabulationWindow() { return *Table; }
    Pformat& PrintFormatWindow() { return *Format; }
    Gload& LoadWindow() { return *LoadDialog; }
    Gsave& SaveWindow() { return *SaveDialog; }
    Gmaint& MaintenanceWindow() { return *MaintenanceDialog; }
    Fplot& FrequencyWindow() { return *Frequency; }
    Cplot& PrbsWindow() { return *Prbs; }
    FFTProp& FftPropertiesWindow() { return *FftProperties; }

    /// Puts a child window into the main window at a place given in twips.
    QMdiSubWindow* AddChild(QWidget* window, int left, int top, int width, int height);

    /// The menu ticks follow the model's options and the program's own.
    void RefreshOptionTicks();
    /// The toolbox and the run window shown whole, however they were closed.
    void ShowToolWindows();
    /// The run window shown whole and made the active window.
    void ShowRunWindow();
    void ShowRunError(const RunErrorReport& report);
    /// Manual 1..3 opened in the PDF reader, searched for topic `key` (0: no search).
    void OpenManual(int key, int manual);

    void MnewSim_Click();
    void mexit_Click();
    void mload_Click();
    void msave_Click();
    void mmaint_Click();
    void Ms1_Click();
    /// Recent file 1..5 of the File menu loaded.
    void mblank_Click(int n);
    /// The File menu opens: the recent-file items follow the store.
    void Mfile_Click();
    void Mhz_Click();
    void Mrad_Click();
    void MsMath_Click();
    void Msnodes_Click();
    void MsoundOn_Click();
    void MsWarnS_Click();
    void MHelpLoc_Click();
    void msforms_Click();
    void MLgraph_Click();
    void MLprint_Click();
    void mddt_Click();
    void mPf_Click();
    void Mfftchar_Click();
    void MUndo_Click();
    void MRedo_Click();
    void MCut_Click();
    void MCopy_Click();
    void MPaste_Click();
    void MDuplicate_Click();
    void MSelectAll_Click();
    /// The Edit menu's items are enabled where they can act.
    void UpdateEditMenu();
    /// A result window moved to the place the model keeps for it (in twips; a place the model
    /// does not hold leaves it where it is).
    void PlaceResultWindow(QWidget* window, const WindowPlace& place);
    void Audit();
    void PrintActiveSheet();
    /// Run from anywhere (F5, the menu bar's "Run"): the run window's Run button.
    void MRun_Click();

    /// Runs `action` (New Simulation, a load) once the model's changes are saved or given up:
    /// at once when there are none, when they are given up or saved under the model's path;
    /// after the save dialog saved a model without a file; never after Cancel or a failed save.
    void SaveChangesThen(std::function<void()> action);

signals:
    /// Exit was answered Yes for a model without a file: the save dialog takes over and ends
    /// the program after saving.
    void SaveBeforeExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildEditMenu();
    /// Copied blocks put on the clipboard; pastes start again from where they were copied.
    void PutOnClipboard(const std::string& text);
    /// After an Edit menu command on sheet `form`.
    void EditDone(int form);
    void CreateEditWindows();
    /// The sheets open the edit windows and are redrawn after them.
    void ConnectSheets();
    void OpenBlockDialog(const BlockDialogRequest& request);
    /// The graph, its scales and key, the tabulation, print format and data display windows.
    void AddResultWindows();
    /// The load, save and maintenance dialogs.
    void AddFileDialogs();
    /// The frequency analysis and PRBS analysis windows and the FFT properties dialog.
    void AddAnalysisWindows();
    QMenu* AddMenu(const char* name, const QString& caption);
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, void (MDIGen::*handler)());
    QAction* AddTick(QMenu* menu, const char* name, const QString& caption, void (MDIGen::*handler)());
    void AnnotateItem_Click(QAction* item);
    void FillWindowList();
    void SubWindowActivated(QMdiSubWindow* window);
    /// A tool window shown whole and brought forward; from now on the Window menu offers it
    /// even when its title-bar close has hidden it.
    void Recall(QWidget* window);

    ProgramFolders Folders;
    ProgramState State;
    SoundSwitch Ui;
    AppDesktop Desktop;
    std::unique_ptr<Simulation> Sim;

    QMdiArea* Area = nullptr;
    Form3* RunForm = nullptr;
    Form4* AuditForm = nullptr;
    Form10* RunErrorForm = nullptr;
    QMdiSubWindow* RunErrorChild = nullptr;
    int RunErrorSheet = 0;   ///< the form whose sheet shows the failing block's marker
    Fmanage* FormManagerForm = nullptr;
    FormProp* FormPropertiesForm = nullptr;
    Form8* BlockForm = nullptr;
    Form7* InputTerminalForm = nullptr;
    Form9* OutputTerminalForm = nullptr;
    /// Dragging, wiring and selecting on the sheets, shared by all three.
    EditingState Editing;
    Form1* ToolboxForm = nullptr;
    std::array<Fsim*, 4> Sheets{};
    QMdiSubWindow* ActiveChild = nullptr;
    keyform* Key = nullptr;
    Form11* Scales = nullptr;
    GPlot* Graph = nullptr;
    Pformat* Format = nullptr;
    tabview* Table = nullptr;
    DispTim* Timing = nullptr;
    Fplot* Frequency = nullptr;
    Cplot* Prbs = nullptr;
    FFTProp* FftProperties = nullptr;
    QMenu* WindowList = nullptr;
    /// Ctrl+Tab and Ctrl+Shift+Tab, kept while the Window menu is refilled.
    QAction* NextWindow = nullptr;
    QAction* PreviousWindow = nullptr;
    /// The tool windows the program has shown: the Window menu brings them back once closed.
    QList<QWidget*> Recallable;
    /// Pastes since the last copy at the same place: each lands one paste offset further on.
    int PasteRepeat = 0;
    std::optional<QPoint> LastPastePoint;
    Gload* LoadDialog = nullptr;
    Gsave* SaveDialog = nullptr;
    Gmaint* MaintenanceDialog = nullptr;
};

}  // namespace quorvane
