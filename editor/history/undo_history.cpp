#include "editor/history/undo_history.h"

#include <algorithm>
#include <vector>

UndoHistory::Record UndoHistory::snapshot(const HistoryTarget& target, const Record& previous) {
    Record r;
    r.picture = TiledSnapshot::take(target.canvasPicture(), &last_);
    r.boxHeight = target.canvasHeightTw();
    // A maximised window's height says nothing about the editor's own height: keep what the
    // slot held.
    r.formHeight = target.maximised() ? previous.formHeight : target.windowHeightTw();
    last_ = r.picture;
    return r;
}

void UndoHistory::restore(const Record& r, HistoryTarget& target) {
    std::optional<int> windowHeight;
    // A slot whose window height was never recorded leaves the window as it is.
    if (!target.maximised() && r.formHeight > 0) {
        windowHeight = r.formHeight;
    }
    target.restoreState(r.picture, r.boxHeight, windowHeight);
    last_ = r.picture;
}

void UndoHistory::SaveUndoStep(HistoryTarget& target) {
    if (histPos_ >= kSteps) {
        // The oldest step goes; the last slot keeps its window height for a maximised record.
        std::move(records_.begin() + 1, records_.end(), records_.begin());
        histPos_ = kSteps - 1;
    }
    ++histPos_;
    Record& slot = records_[histPos_ - 1];
    slot = snapshot(target, slot);
    // Steps that could have been redone are dropped; their pictures are freed, their heights
    // stay in the slots.
    for (int n = histPos_ + 1; n <= kSteps; ++n) {
        records_[n - 1].picture = {};
    }
    histTop_ = histPos_;
    // A new step ends the redo branch: a redo never moves past it and an undo never reaches
    // a slot beyond it.
    afterUndo_ = false;
    tipSaved_ = false;
    tip_.picture = {};
}

void UndoHistory::recordStep(HistoryTarget& target) {
    historyLocked = false;
    SaveUndoStep(target);
}

void UndoHistory::SaveRedoTip(HistoryTarget& target) {
    tipSaved_ = true;
    tip_ = snapshot(target, tip_);
}

void UndoHistory::UndoStep(HistoryTarget& target) {
    afterUndo_ = true;
    if (histPos_ <= 0) {
        return;
    }
    if (histPos_ == histTop_) {
        // After a redo back to the newest step the canvas still shows that step: the tip held
        // from before is the newer state and must not be overwritten with an older one.
        const bool tipIsNewer = tipSaved_ && last_.matches(target.canvasPicture());
        if (!tipIsNewer) {
            SaveRedoTip(target);
        }
    }
    restore(records_[histPos_ - 1], target);
    --histPos_;
}

void UndoHistory::RedoStep(HistoryTarget& target) {
    if (afterUndo_) {
        afterUndo_ = false;
        histPos_ = std::min(histPos_ + 1, histTop_);
    }
    if (histPos_ == histTop_ && tipSaved_) {
        restore(tip_, target);
        tipSaved_ = false;
        tip_.picture = {};
        return;
    }
    if (histPos_ >= histTop_) {
        return;
    }
    ++histPos_;
    restore(records_[histPos_ - 1], target);
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
    histPos_ = 0;
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
