#include "editor/history/undo_history.h"

#include <algorithm>
#include <vector>

UndoHistory::Record UndoHistory::snapshot(const HistoryTarget& target,
                                          const Record& previous) const {
    Record r;
    r.picture = TiledSnapshot::take(target.canvasPicture(), &last_);
    r.boxHeight = target.canvasHeightTw();
    r.nextNumber = target.nextNumber();
    // A maximised window's height says nothing about the editor's own height: keep what the
    // slot held.
    r.formHeight = target.maximised() ? previous.formHeight : target.windowHeightTw();
    return r;
}

void UndoHistory::restore(const Record& r, HistoryTarget& target) {
    std::optional<int> windowHeight;
    // A slot whose window height was never recorded leaves the window as it is.
    if (!target.maximised() && r.formHeight > 0) {
        windowHeight = r.formHeight;
    }
    target.restoreState(r.picture, r.boxHeight, windowHeight);
    target.setNextNumber(r.nextNumber);
    last_ = r.picture;
}

void UndoHistory::dropRecordsFrom(int number) {
    // Their pictures are freed; their heights stay in the slots.
    for (int n = number; n <= kSteps; ++n) {
        records_[n - 1].picture = {};
    }
}

int UndoHistory::histPos() const {
    if (shown_ == 0) {
        return histTop_;
    }
    return afterUndo_ ? shown_ - 1 : shown_;
}

void UndoHistory::SaveUndoStep(HistoryTarget& target) {
    // While the canvas shows a record, the step takes that record's place: the steps after it
    // could have been redone and go.
    int slot = shown_ == 0 ? histTop_ + 1 : shown_;
    Record r = snapshot(target, records_[std::min(slot, kSteps) - 1]);
    if (slot > kSteps) {
        // The oldest step goes; the last slot keeps its window height for a maximised record.
        std::move(records_.begin() + 1, records_.end(), records_.begin());
        slot = kSteps;
    }
    records_[slot - 1] = std::move(r);
    dropRecordsFrom(slot + 1);
    last_ = records_[slot - 1].picture;
    histTop_ = slot;
    shown_ = 0;
    // A new step ends the redo branch: a redo never moves past it and an undo never reaches
    // a slot beyond it.
    afterUndo_ = false;
    tipSaved_ = false;
    tip_.picture = {};
}

void UndoHistory::recordStep(HistoryTarget& target) {
    SaveUndoStep(target);
    historyLocked = false;
}

void UndoHistory::SaveRedoTip(HistoryTarget& target) {
    tip_ = snapshot(target, tip_);
    tipSaved_ = true;
    last_ = tip_.picture;
}

void UndoHistory::UndoStep(HistoryTarget& target) {
    const int next = shown_ == 0 ? histTop_ : shown_ - 1;
    if (next > 0) {
        if (shown_ == 0) {
            // The canvas shows the newest state: it becomes the redo tip.
            Record tip = snapshot(target, tip_);
            restore(records_[next - 1], target);
            tip_ = std::move(tip);
            tipSaved_ = true;
        } else {
            restore(records_[next - 1], target);
        }
        shown_ = next;
    }
    afterUndo_ = true;
}

void UndoHistory::RedoStep(HistoryTarget& target) {
    if (shown_ > 0 && shown_ < histTop_) {
        restore(records_[shown_], target);
        ++shown_;
    } else if (shown_ > 0 && tipSaved_) {
        restore(tip_, target);
        tipSaved_ = false;
        tip_.picture = {};
        shown_ = 0;
    }
    afterUndo_ = false;
}

void UndoHistory::cancelStep(HistoryTarget& target) {
    if (shown_ != 0 || histTop_ == 0) {
        return;
    }
    restore(records_[histTop_ - 1], target);
    dropRecordsFrom(histTop_);
    --histTop_;
}

CanvasKey UndoHistory::pressKey(int key, Qt::KeyboardModifiers modifiers, HistoryTarget& target) {
    const CanvasKey k = canvasKey(key, modifiers);
    if (!historyLocked) {
        if (k == CanvasKey::Undo) {
            UndoStep(target);
        } else if (k == CanvasKey::Redo) {
            RedoStep(target);
        }
    }
    return k;
}

void UndoHistory::reset() {
    erase();
    historyLocked = true;
}

void UndoHistory::erase() {
    records_.fill(Record{});
    tip_ = {};
    last_ = {};
    shown_ = 0;
    histTop_ = 0;
    afterUndo_ = false;
    tipSaved_ = false;
}

std::size_t UndoHistory::bytesHeld() const {
    std::vector<const TiledSnapshot*> all{&tip_.picture, &last_};
    for (const Record& r : records_) {
        all.push_back(&r.picture);
    }
    return TiledSnapshot::bytesHeld(all);
}
