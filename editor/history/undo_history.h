#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

#include "editor/history/canvas_keys.h"
#include "editor/history/history_target.h"

// The editor's undo history: up to 100 recorded states of the canvas (picture, canvas height,
// window height), numbered 1 to 100, plus the redo tip, the state reached after the newest
// edit, kept at the first undo. Steps are recorded as an edit starts.
class UndoHistory {
public:
    static constexpr int kSteps = 100;

    struct Record {
        TiledSnapshot picture;
        int boxHeight = 0;   // canvas height, twips
        int formHeight = 0;  // window height, twips; 0 until one is recorded
    };

    // Records the canvas as the newest step; the oldest step goes when all 100 are taken.
    void SaveUndoStep(HistoryTarget& target);
    // An edit's step: clears historyLocked, then records the canvas (SaveUndoStep).
    void recordStep(HistoryTarget& target);
    // Keeps the canvas as the redo tip.
    void SaveRedoTip(HistoryTarget& target);
    void UndoStep(HistoryTarget& target);
    void RedoStep(HistoryTarget& target);

    // Undo or redo for a key pressed on the canvas, unless the history is locked. Returns what
    // the key asked for (the caller copies on Copy).
    CanvasKey pressKey(int key, Qt::KeyboardModifiers modifiers, HistoryTarget& target);

    // Back to the unedited capture: no steps, keys locked until a step clears the lock.
    void reset();
    // Drops every step and the redo tip.
    void erase();

    int histPos() const { return histPos_; }
    int histTop() const { return histTop_; }
    bool afterUndo() const { return afterUndo_; }
    bool tipSaved() const { return tipSaved_; }
    // Record 1 ... 100.
    const Record& record(int number) const { return records_.at(number - 1); }
    const Record& tip() const { return tip_; }

    // Bytes of picture data held by the records and the tip, shared tiles counted once.
    std::size_t bytesHeld() const;

    // While set, the undo and redo keys do nothing. Set by reset; every edit that records its
    // step with recordStep clears it (a fill records with SaveUndoStep and leaves it).
    bool historyLocked = false;

private:
    Record snapshot(const HistoryTarget& target, const Record& previous);
    void restore(const Record& r, HistoryTarget& target);

    std::array<Record, kSteps> records_;
    Record tip_;
    // The picture last recorded or shown: new snapshots share its unchanged tiles.
    TiledSnapshot last_;
    int histPos_ = 0;
    int histTop_ = 0;
    bool afterUndo_ = false;
    bool tipSaved_ = false;
};
