#include "core/document.h"

#include <algorithm>

#include "core/memory_map.h"

namespace lm {

namespace {

// Sets the bytes of image that differ between from and to to their value in to.
void Carry(ImageBytes& image, const ImageBytes& from, const ImageBytes& to) {
    for (std::size_t i = 0; i < image.size(); ++i)
        if (from[i] != to[i]) image[i] = to[i];
}

std::string WithVerb(std::string_view verb, const std::string& name) {
    return name.empty() ? std::string(verb) : std::string(verb) + " " + name;
}

}  // namespace

bool ImageChange::Touches(int channel) const {
    return std::find(channels.begin(), channels.end(), channel) != channels.end();
}

ImageChange ChangeBetween(const ImageBytes& before, const ImageBytes& after) {
    ImageChange change;
    const int slotsEnd = SlotFirst(kMaxSlots + 1);
    for (int n = 1; n <= kMaxSlots; ++n) {
        const auto first = static_cast<std::ptrdiff_t>(SlotFirst(n));
        if (!std::equal(before.begin() + first, before.begin() + first + kSlotBytes, after.begin() + first))
            change.channels.push_back(n);
    }
    for (int i = 0; i < kImageSize && !change.settings; ++i)
        change.settings = (i < SlotFirst(1) || i >= slotsEnd) &&
                          before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)];
    return change;
}

TDocument::TDocument(TALL& state) : state_(state) { MarkReplaced(); }

ImageChange TDocument::Apply(std::string name, const Change& change) {
    const ImageBytes before = state_.Image;
    try {
        change(state_);
    } catch (...) {
        state_.Image = before;
        throw;
    }
    ImageChange changed = ChangeBetween(before, state_.Image);
    if (!changed) return changed;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back({std::move(name), before, state_.Image});
    if (steps_.size() > kMaxSteps) steps_.erase(steps_.begin());
    done_ = steps_.size();
    Settle(DocumentEventKind::Changed, steps_.back().name, changed);
    return changed;
}

std::string TDocument::UndoName() const { return CanUndo() ? steps_[done_ - 1].name : std::string(); }
std::string TDocument::RedoName() const { return CanRedo() ? steps_[done_].name : std::string(); }
std::string TDocument::UndoText(std::string_view verb) const { return WithVerb(verb, UndoName()); }
std::string TDocument::RedoText(std::string_view verb) const { return WithVerb(verb, RedoName()); }

bool TDocument::Undo() {
    if (!CanUndo()) return false;
    const Step& step = steps_[--done_];
    Carry(state_.Image, step.after, step.before);
    Settle(DocumentEventKind::Undone, step.name, ChangeBetween(step.after, step.before));
    return true;
}

bool TDocument::Redo() {
    if (!CanRedo()) return false;
    const Step& step = steps_[done_++];
    Carry(state_.Image, step.before, step.after);
    Settle(DocumentEventKind::Redone, step.name, ChangeBetween(step.before, step.after));
    return true;
}

void TDocument::MarkSaved() {
    saved_ = state_.Image;
    Settle(DocumentEventKind::Saved, {});
}

void TDocument::MarkReplaced() {
    steps_.clear();
    done_ = 0;
    saved_.reset();
    if (!state_.Modified) saved_ = state_.Image;
    Settle(DocumentEventKind::Replaced, {});
}

bool TDocument::IsSaved() const { return saved_ && *saved_ == state_.Image; }

int TDocument::AddListener(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void TDocument::RemoveListener(int id) {
    listeners_.erase(
        std::remove_if(listeners_.begin(), listeners_.end(), [id](const auto& l) { return l.first == id; }),
        listeners_.end());
}

void TDocument::SetCurrentChannel(int channel) {
    if (channel == state_.CurrentChannel) return;
    state_.CurrentChannel = channel;
    Tell({DocumentEventKind::Moved, {}, {}, channel});
}

void TDocument::Settle(DocumentEventKind kind, const std::string& name, ImageChange change) {
    state_.Modified = !IsSaved();
    Tell({kind, name, std::move(change), 0});
}

void TDocument::Tell(const DocumentEvent& event) {
    // A listener may add or remove listeners; the ones present now hear the event.
    const auto listeners = listeners_;
    for (const auto& entry : listeners) entry.second(event);
}

}  // namespace lm
