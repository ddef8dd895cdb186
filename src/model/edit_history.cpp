#include "model/edit_history.h"

#include <cassert>

namespace quorvane {

namespace {

// Text up to this many characters lives inside the string object itself.
constexpr std::size_t InlineText = 15;

std::size_t TextBytes(const std::string& text) {
    return text.capacity() > InlineText ? text.capacity() + 1 : 0;
}

bool Holds(const TableSnapshot& snapshot, const Model& model) {
    if (snapshot.FormCount != model.FormCount || !(snapshot.BlockSpareLong == model.BlockSpareLong)) return false;
    for (int f = 1; f <= FormSlots; ++f) {
        if (!(*snapshot.Forms[f] == model.Forms[f])) return false;
    }
    return true;
}

void Restore(Model& model, const TableSnapshot& snapshot) {
    for (int f = 1; f <= FormSlots; ++f) {
        const WindowPlace place = model.Forms[f].Window;
        model.Forms[f] = *snapshot.Forms[f];
        model.Forms[f].Window = place;
    }
    model.FormCount = snapshot.FormCount;
    model.BlockSpareLong = snapshot.BlockSpareLong;
}

}  // namespace

std::size_t FormBytes(const SimulationForm& form) {
    std::size_t bytes = sizeof(SimulationForm) + TextBytes(form.Title);
    for (const Block& block : form.Blocks.Items) bytes += TextBytes(block.Title) + TextBytes(block.Units);
    return bytes;
}

TableSnapshot EditHistory::Take(const Model& model) const {
    // A form unchanged since the newest snapshot is shared with it rather than copied.
    const TableSnapshot* newest[] = {Depth > 0 && Before.Forms[1] ? &Before : nullptr,
                                     Undone.empty() ? nullptr : &Undone.back(),
                                     Redone.empty() ? nullptr : &Redone.back()};
    TableSnapshot snapshot;
    for (int f = 1; f <= FormSlots; ++f) {
        for (const TableSnapshot* other : newest) {
            if (other != nullptr && *other->Forms[f] == model.Forms[f]) {
                snapshot.Forms[f] = other->Forms[f];
                break;
            }
        }
        if (!snapshot.Forms[f]) snapshot.Forms[f] = std::make_shared<const SimulationForm>(model.Forms[f]);
    }
    snapshot.FormCount = model.FormCount;
    snapshot.BlockSpareLong = model.BlockSpareLong;
    snapshot.State = Current;
    return snapshot;
}

void EditHistory::Begin(const Model& model) {
    if (Depth++ == 0) Before = Take(model);
}

bool EditHistory::End(const Model& model) {
    assert(Depth > 0);
    if (--Depth > 0) return false;
    TableSnapshot before = std::move(Before);
    Before = TableSnapshot{};
    if (Holds(before, model)) return false;
    Undone.push_back(std::move(before));
    Kept(Undone.back());
    Current = ++LastState;
    // One at a time: a form shared by two of them is counted until the last one goes.
    while (!Redone.empty()) {
        Dropping(Redone.back());
        Redone.pop_back();
    }
    Trim();
    Tell();
    return true;
}

bool EditHistory::Undo(Model& model) {
    assert(Depth == 0);
    if (Undone.empty()) return false;
    Redone.push_back(Take(model));
    Kept(Redone.back());
    Restore(model, Undone.back());
    Current = Undone.back().State;
    Dropping(Undone.back());
    Undone.pop_back();
    Tell();
    return true;
}

bool EditHistory::Redo(Model& model) {
    assert(Depth == 0);
    if (Redone.empty()) return false;
    Undone.push_back(Take(model));
    Kept(Undone.back());
    Restore(model, Redone.back());
    Current = Redone.back().State;
    Dropping(Redone.back());
    Redone.pop_back();
    Tell();
    return true;
}

void EditHistory::Clear() {
    Undone.clear();
    Redone.clear();
    Held = 0;
    Current = ++LastState;
    MarkSaved();
}

void EditHistory::MarkSaved() {
    Saved = Current;
    SettingsChanged = false;
    Tell();
}

// A form held by no other snapshot of the history is counted with this one.
void EditHistory::Kept(const TableSnapshot& snapshot) {
    Held += sizeof(TableSnapshot);
    for (int f = 1; f <= FormSlots; ++f) {
        if (snapshot.Forms[f].use_count() == 1) Held += FormBytes(*snapshot.Forms[f]);
    }
}

void EditHistory::Dropping(const TableSnapshot& snapshot) {
    Held -= sizeof(TableSnapshot);
    for (int f = 1; f <= FormSlots; ++f) {
        if (snapshot.Forms[f].use_count() == 1) Held -= FormBytes(*snapshot.Forms[f]);
    }
}

void EditHistory::Trim() {
    // The oldest steps go first; the newest one is kept whatever it costs.
    while (Undone.size() > 1 && Held > Budget) {
        Dropping(Undone.front());
        Undone.pop_front();
    }
}

}  // namespace quorvane
