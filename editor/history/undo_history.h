#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

#include "editor/history/canvas_keys.h"
#include "editor/history/history_target.h"

// The editor's undo history: up to 100 recorded states of the canvas (picture, canvas height,
// window height), numbered 1 to 100, plus the redo tip, the state reached after the newest
// edit, kept at the first undo. Steps are recorded as an edit starts.
//
// Every undo or redo that is not at the end of the history shows the state one step away from
// the one shown. Recording, undo and redo throw std::bad_alloc when memory runs out, and then
// leave the history and the canvas as they were.
class UndoHistory {
public:
    static constexpr int kSteps = 100;

    struct Record {
        TiledSnapshot picture;
        int boxHeight = 0;   // canvas height, twips
        int formHeight = 0;  // window height, twips; 0 until one is recorded
        int nextNumber = 1;  // the number tool's next number
    };

    // Records the canvas as the newest step; the oldest step goes when all 100 are taken. Steps
    // that could have been redone are dropped.
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

    // An edit that could not be finished is taken back: the canvas shows the newest step again
    // and the step goes. Needs no memory when the canvas has the step's size.
    void cancelStep(HistoryTarget& target);

    // Back to the unedited capture: no steps, keys locked until a step clears the lock.
    void reset();
    // Drops every step and the redo tip.
    void erase();

    // The position as the keys left it: the newest record after an edit, the record shown after
    // a redo, one below the record shown after an undo (0: nothing left to undo).
    int histPos() const;
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
    Record snapshot(const HistoryTarget& target, const Record& previous) const;
    void restore(const Record& r, HistoryTarget& target);
    void dropRecordsFrom(int number);

    std::array<Record, kSteps> records_;
    Record tip_;
    // The picture last recorded or shown: new snapshots share its unchanged tiles.
    TiledSnapshot last_;
    // The record the canvas shows, or 0 when it shows a newer state (an edit, or the tip).
    int shown_ = 0;
    int histTop_ = 0;
    bool afterUndo_ = false;
    bool tipSaved_ = false;
};
