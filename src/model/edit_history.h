#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "model/model.h"

namespace quorvane {

/// The model tables an edit can change, as they stood at one moment: the three form slots with
/// their blocks, connections, lines and terminal-link tables, FormCount and the block spare
/// store. A form that did not change between two snapshots is shared by them, so a step that
/// touches one sheet costs one form.
struct TableSnapshot {
    std::array<std::shared_ptr<const SimulationForm>, FormSlots + 1> Forms{};   ///< slots 1..3
    int FormCount = 0;
    Table<int, MaxBlocks> BlockSpareLong{};
    long long State = 0;   ///< which state of the tables this is (EditHistory::Changed)
};

/// Undo and redo of edits by snapshots of the model tables taken around each edit operation.
/// An operation opens a step (EditStep) before it changes anything and closes it when done;
/// the step is recorded only when the tables differ at its close, so a refused edit leaves no
/// trace. Steps opened inside an open step belong to it: a group operation is one step.
/// Whatever changes the tables outside a step (a run's renumbering) is no edit and is not
/// recorded. The history keeps the newest steps that fit in `Budget` bytes.
/// It also knows whether the tables changed since they were last saved or loaded: every recorded
/// step makes a new state, and undo and redo go back to the states they restore, so undoing back
/// to the saved state counts as unchanged.
class EditHistory {
public:
    /// 50 MB: several hundred steps of full sheets.
    static constexpr std::size_t DefaultBudget = 50u * 1024u * 1024u;

    explicit EditHistory(std::size_t budget = DefaultBudget) : Budget(budget) {}

    void Begin(const Model& model);
    /// Closes the step Begin opened; true when it was recorded as an undo step.
    bool End(const Model& model);

    bool CanUndo() const { return !Undone.empty(); }
    bool CanRedo() const { return !Redone.empty(); }
    /// The tables go back to before the last recorded step / forward again. The sheet windows
    /// places (SimulationForm::Window) are not edits and stay as they are. False when there is
    /// nothing to take back or to do again.
    bool Undo(Model& model);
    bool Redo(Model& model);
    /// Forgets every step, as after a new simulation or a load; the tables as they are count as
    /// saved.
    void Clear();

    /// The tables as they are now are those of the file.
    void MarkSaved();
    /// Whether a recorded step, or the undo or redo of one, has left the saved state, or a
    /// setting was changed since.
    bool Changed() const { return Current != Saved || SettingsChanged; }
    /// Which state the tables are in: it moves with every edit, undo and redo.
    long long CurrentState() const { return Current; }
    /// A value saved with the model outside the tables (a run setting, a format, a scale, an
    /// option) was changed by the user: the model counts as changed until it is saved or loaded,
    /// though no undo step records it. Nothing happens when `before` equals `after`.
    template <class Value>
    void NoteSettings(const Value& before, const Value& after) {
        if (before == after) return;
        SettingsChanged = true;
        Tell();
    }
    /// Called with Changed() whenever it may have turned (the main window's caption follows it).
    void Listen(std::function<void(bool changed)> listener) { Listener = std::move(listener); }

    int UndoLevels() const { return static_cast<int>(Undone.size()); }
    int RedoLevels() const { return static_cast<int>(Redone.size()); }
    /// Memory held by the recorded snapshots, shared forms counted once, text storage included.
    std::size_t Bytes() const { return Held; }

private:
    TableSnapshot Take(const Model& model) const;
    /// Held follows the snapshots: a form counts while one of them holds it. Call Kept just
    /// after a snapshot joins the history and Dropping just before one leaves it.
    void Kept(const TableSnapshot& snapshot);
    void Dropping(const TableSnapshot& snapshot);
    void Trim();
    void Tell() const {
        if (Listener) Listener(Changed());
    }

    std::size_t Budget;
    std::size_t Held = 0;
    int Depth = 0;
    TableSnapshot Before;
    std::deque<TableSnapshot> Undone;    ///< oldest first
    std::vector<TableSnapshot> Redone;   ///< the next to redo last
    long long Current = 0;               ///< the state the tables are in
    long long Saved = 0;                 ///< the state last saved or loaded
    long long LastState = 0;             ///< the newest state made
    bool SettingsChanged = false;        ///< since the state last saved or loaded
    std::function<void(bool)> Listener;
};

/// The memory one form holds in a snapshot: the form itself and the text its titles use.
std::size_t FormBytes(const SimulationForm& form);

/// Opens a step of `history` for the lifetime of the object.
class EditStep {
public:
    EditStep(EditHistory& history, const Model& model) : History(history), Tables(model) { History.Begin(Tables); }
    ~EditStep() { History.End(Tables); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory& History;
    const Model& Tables;
};

}  // namespace quorvane
