#include "windows/channels/channel_writer.h"

#include <algorithm>

#include "core/channel_table.h"
#include "widgets/message_box.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

std::string Translated(const MessageRef& message) { return WindowMessageText(message.key, message.text); }

std::vector<ChannelEdit> Step(TDocument& document, const std::string& name,
                              const std::function<std::vector<ChannelEdit>(TALL&)>& run) {
    std::vector<ChannelEdit> edits;
    document.Apply(name, [&](TALL& s) { edits = run(s); });
    ShowEditWarnings(edits);
    return edits;
}

}  // namespace

std::vector<ChannelEdit> WriteChannel(TDocument& document, int n, int field, const ChannelEditFn& edit) {
    return Step(document, FieldStepName(field, {n}),
                [&](TALL& s) { return std::vector<ChannelEdit>{edit(s, n)}; });
}

std::vector<ChannelEdit> WriteChannels(TDocument& document, const std::vector<int>& channels, int field,
                                       const ChannelEditFn& edit) {
    return Step(document, FieldStepName(field, channels),
                [&](TALL& s) { return EditExistingChannels(s, channels, edit); });
}

void EraseChannels(TDocument& document, const std::vector<int>& channels, std::string_view what) {
    if (channels.empty()) return;
    document.Apply(StepName(what, channels), [&](TALL& s) {
        for (int n : channels) DeleteChannel(s, n);
    });
}

PasteOutcome PasteIntoChannels(TDocument& document, int first, const std::string& text) {
    // The step is named after the channels the text reaches, which a trial on a copy tells.
    TALL trial = document.State();
    PasteOutcome outcome = PasteChannels(trial, first, text);
    if (outcome.channels.empty()) return outcome;
    document.Apply(StepName("Paste", outcome.channels),
                   [&](TALL& s) { outcome = PasteChannels(s, first, text); });
    std::string notes;
    for (const ChannelEdit& edit : outcome.notes) {
        const int column = ColumnOfField(edit.field);
        const std::string field =
            column >= 0 ? TitleLine(ChannelColumns()[static_cast<std::size_t>(column)].title) : std::string();
        notes += EditNote(edit, field, Translated(WarningMessage(edit.warning))) + "\n";
    }
    if (!notes.empty()) ShowCaution(notes.substr(0, notes.size() - 1));
    return outcome;
}

void ShowEditWarnings(const std::vector<ChannelEdit>& edits) {
    std::vector<TFreqWarning> shown;
    for (const ChannelEdit& edit : edits) {
        if (edit.warning == TFreqWarning::None) continue;
        if (std::find(shown.begin(), shown.end(), edit.warning) != shown.end()) continue;
        shown.push_back(edit.warning);
        ShowCaution(Translated(WarningMessage(edit.warning)));
    }
}

}  // namespace lm
