#include "windows/channels/channel_writer.h"

#include <algorithm>

#include "core/channel_table.h"
#include "globals/globals.h"
#include "widgets/editor_hooks.h"
#include "widgets/message_box.h"

namespace lm {

namespace {

std::string Translated(const MessageRef& message) {
    return MessageText(gLanguage, message.key, message.text);
}

// The channel edit window shows the current channel again.
void TellHost() {
    if (EditorHost* host = TheEditorHost()) host->RefreshEditors(2);
}

std::vector<ChannelEdit> Step(const std::string& name,
                              const std::function<std::vector<ChannelEdit>(TALL&)>& run) {
    std::vector<ChannelEdit> edits;
    gDocument.Apply(name, [&](TALL& s) { edits = run(s); });
    TellHost();
    ShowEditWarnings(edits);
    return edits;
}

}  // namespace

std::vector<ChannelEdit> WriteChannel(int n, int field, const ChannelEditFn& edit) {
    return Step(FieldStepName(field, {n}), [&](TALL& s) { return std::vector<ChannelEdit>{edit(s, n)}; });
}

std::vector<ChannelEdit> WriteChannels(const std::vector<int>& channels, int field,
                                       const ChannelEditFn& edit) {
    return Step(FieldStepName(field, channels),
                [&](TALL& s) { return EditExistingChannels(s, channels, edit); });
}

void EraseChannels(const std::vector<int>& channels, std::string_view what) {
    if (channels.empty()) return;
    gDocument.Apply(StepName(what, channels), [&](TALL& s) {
        for (int n : channels) DeleteChannel(s, n);
    });
    TellHost();
}

PasteOutcome PasteIntoChannels(int first, const std::string& text) {
    // The step is named after the channels the text reaches, which a trial on a copy tells.
    TALL trial = gDocument.State();
    PasteOutcome outcome = PasteChannels(trial, first, text);
    if (outcome.channels.empty()) return outcome;
    gDocument.Apply(StepName("Paste", outcome.channels),
                    [&](TALL& s) { outcome = PasteChannels(s, first, text); });
    TellHost();
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
