#include "windows/channels/channel_csv_commands.h"

#include <QFileInfo>
#include <QLabel>
#include <QWidget>
#include <string>

#include "core/channel_batch.h"
#include "core/channel_csv.h"
#include "core/file_io.h"
#include "settings/language.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"
#include "windows/channels/import_window.h"

namespace lm {

namespace {

// The translatable texts of both commands: a form of hidden labels that the language file's section
// fChannelCsv translates.
class CsvTexts {
public:
    CsvTexts() {
        form_.setObjectName(QStringLiteral("fChannelCsv"));
        form_.setWindowTitle(QStringLiteral("Channels"));
        Add("lCommon", "Channels, common format (*.csv)");
        Add("lGrid", "Channels, grid columns (*.csv)");
        Add("lCsv", "CSV files (*.csv)");
        Add("lExport", "Export Channels");
        Add("lImport", "Import Channels");
        Add("lRefused", "The file was not imported; nothing was changed.");
        Add("lOpenFile", "This is the data file that is open; choose another file.");
        TranslateOnOpen(&form_, false);
    }
    std::string operator()(const char* name) const {
        const auto* label = form_.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text().toStdString() : std::string();
    }

private:
    void Add(const char* name, const char* text) {
        auto* label = new QLabel(QString::fromLatin1(text), &form_);
        label->setObjectName(QString::fromLatin1(name));
    }
    QWidget form_;
};

std::string Translated(const MessageRef& message) { return WindowMessageText(message.key, message.text); }

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

}  // namespace

bool RunExportChannels(QWidget* parent, const TALL& radio, const std::string& openFile) {
    const CsvTexts texts;
    FileFilters filters{{texts("lCommon"), texts("lGrid")}, 0, texts("lExport")};
    const std::string path = ChooseSaveFile(parent, filters, ".csv");
    if (path.empty()) return false;
    // The channels never replace the data file they come from.
    if (!openFile.empty() && SameFile(path, openFile)) {
        ShowMessageBox(texts("lExport"), path + "\n" + texts("lOpenFile"), kMessageInfo);
        return false;
    }
    if (FileExists(path) && !AskYesNo(WindowMessages().FileExists)) return false;
    const CsvFormat format = filters.chosen == 1 ? CsvFormat::Grid : CsvFormat::Common;
    const FileOutcome written = ReplaceFile(path, ExportChannelsCsv(radio, format));
    if (!written.ok) ShowMessageBox(texts("lExport"), path + ": " + written.reason, kMessageInfo);
    return written.ok;
}

bool RunImportChannels(QWidget* parent, TDocument& document) {
    const CsvTexts texts;
    FileFilters filters{{texts("lCsv")}, 0, texts("lImport")};
    const std::string path = ChooseOpenFile(parent, filters);
    if (path.empty()) return false;
    std::string text;
    const FileOutcome read = ReadInputFile(path, InputKind::ChannelList, text);
    if (!read.ok) {
        ShowMessageBox(texts("lImport"), path + ": " + read.reason, kMessageInfo);
        return false;
    }
    // A file refused whatever the placement is shown before the window; one without a Location column opens
    // with the rows placed in order.
    const ImportPreview inOrder =
        PreviewChannelsCsv(document.State(), text, {ImportOptions::Placement::InOrder, 1, {}, {}});
    if (inOrder.refusal) {
        ShowMessageBox(texts("lImport"), texts("lRefused") + "\n" + path + ": " + inOrder.refusal->Text(),
                       kMessageInfo);
        return false;
    }
    TfImportChannels window(parent, path, text, document.State());
    if (window.exec() != QDialog::Accepted) return false;
    const ImportOptions options = window.Options();
    // The window's preview already says which channels the rows reach: the step is named after them.
    std::vector<int> channels;
    for (const ImportRow& row : window.Preview().rows)
        if (row.channel > 0) channels.push_back(row.channel);
    ImportReport report;
    if (!channels.empty())
        document.Apply(StepName("Import", channels),
                       [&](TALL& state) { report = ImportChannelsCsv(state, text, options, Translated); });
    ShowMessageBox(texts("lImport"), path + "\n" + report.Text(), kMessageInfo);
    return true;
}

}  // namespace lm
