#pragma once
// The radio being edited, with its undo history and cursor: every change an editor makes to the image goes
// through one TDocument, as one named step that can be undone and redone. Each event says what it changed
// (which channels, whether settings), so that each open window refreshes only that, once.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace lm {

// What happened to the document.
enum class DocumentEventKind {
    Changed,   // a step was applied
    Undone,    // a step was undone
    Redone,    // a step was redone
    Replaced,  // the image was replaced as a whole (New, Open, a read, a model change); the history is gone
    Saved,     // the image was saved
    Moved,     // the current channel changed; the image did not
};

// What a step changed in the image.
struct ImageChange {
    std::vector<int> channels;  // the channels whose slot bytes changed, ascending
    bool settings = false;      // bytes outside the channel slots changed
    bool Any() const { return settings || !channels.empty(); }
    explicit operator bool() const { return Any(); }
    bool Touches(int channel) const;
};
// The changes between two images.
ImageChange ChangeBetween(const ImageBytes& before, const ImageBytes& after);

struct DocumentEvent {
    DocumentEventKind kind;
    std::string name;    // the step's name; empty for the other kinds
    ImageChange change;  // Changed, Undone, Redone: what the step changed
    int channel = 0;     // Moved: the current channel now
    // Whether the image changed everywhere a window may show (Replaced) or in channel n.
    bool Touches(int n) const { return kind == DocumentEventKind::Replaced || change.Touches(n); }
};

class TDocument {
public:
    using Change = std::function<void(TALL&)>;
    using Listener = std::function<void(const DocumentEvent&)>;

    // The record edited; it must outlive the document. Its image counts as saved unless it is Modified.
    explicit TDocument(TALL& state);
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    TALL& State() { return state_; }
    const TALL& State() const { return state_; }

    // Runs change on the state as one step named name ("RX Frequency of channel 3"). When the image changed,
    // the step is recorded (the steps undone before are dropped), Modified is updated and the listeners hear
    // Changed; otherwise nothing is recorded. Returns what changed. When change throws, the image is put back
    // as it was and the exception goes on to the caller.
    ImageChange Apply(std::string name, const Change& change);

    // The channel under the cursor of every window; listeners hear Moved when it changes.
    int CurrentChannel() const { return state_.CurrentChannel; }
    void SetCurrentChannel(int channel);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step Undo / Redo would take back or apply again; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // The menu text: verb and name, "Undo RX Frequency of channel 3"; the verb alone when there is no step.
    std::string UndoText(std::string_view verb = "Undo") const;
    std::string RedoText(std::string_view verb = "Redo") const;
    // Put back the bytes of the image that the last step changed / change them again. False when there is no
    // step.
    bool Undo();
    bool Redo();

    // The image has just been saved: it is the saved image now, Modified is false.
    void MarkSaved();
    // The image has just been replaced as a whole: the history is emptied, and the image is the saved one
    // unless the state is Modified (a read from a radio is in no file yet).
    void MarkReplaced();
    // Whether the image equals the one last saved, opened or made new.
    bool IsSaved() const;

    // Listeners hear every event after it took place. The returned id removes the listener.
    int AddListener(Listener listener);
    void RemoveListener(int id);

    // At most this many steps are kept; the oldest go first.
    static constexpr std::size_t kMaxSteps = 1000;

private:
    struct Step {
        std::string name;
        ImageBytes before;
        ImageBytes after;
    };
    void Settle(DocumentEventKind kind, const std::string& name, ImageChange change = {});
    void Tell(const DocumentEvent& event);

    TALL& state_;
    std::vector<Step> steps_;
    std::size_t done_ = 0;  // steps_[0 .. done_) are applied
    std::optional<ImageBytes> saved_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
};

}  // namespace lm
