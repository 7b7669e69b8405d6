// The dialogs and windows of the radio link, the model and the settings editors, wired to their commands.
#include "shell/windows_wiring.h"

#include "shell/child_windows.h"
#include "shell/command_table.h"
#include "shell/dialog_commands.h"
#include "shell/main_frm.h"
#include "windows/channels/ch_info.h"
#include "windows/channels/channel_csv_commands.h"
#include "windows/channels/info_edit.h"
#include "windows/compare/compare_window.h"
#include "windows/core/model_dialog.h"
#include "windows/editors/dtmf.h"
#include "windows/editors/embedded_message.h"
#include "windows/editors/function_windows.h"
#include "windows/editors/info_msg.h"
#include "windows/link/cable_check_window.h"
#include "windows/link/compare_with_radio.h"
#include "windows/link/production_window.h"
#include "windows/link/read_radio_dialog.h"
#include "windows/link/set_port_dialog.h"
#include "windows/link/write_radio_dialog.h"
#include "windows/print/print_sheet.h"

namespace lm {

void RegisterWindows() {
    RegisterDialogCommand(cmd::kRead, [](TfMainFrm& main) { return RunReadDialog(&main, main.Transfer()); });
    RegisterDialogCommand(cmd::kWrite, [](TfMainFrm& main) {
        RunWriteDialog(&main, main.Transfer());
        return true;
    });
    RegisterDialogCommand(cmd::kPort,
                          [](TfMainFrm& main) { return RunSetPortDialog(&main, main.Prefs().PortName); });
    RegisterDialogCommand(cmd::kModel, [](TfMainFrm& main) {
        return RunModelDialog(&main, main.Radio(),
                              [&main](const ModelSelection& select) { return main.FileNew(select); });
    });
    RegisterDialogCommand(cmd::kEmbeddedMessage, [](TfMainFrm& main) {
        RunEmbeddedMessageDialog(&main);
        return true;
    });
    RegisterDialogCommand(cmd::kExportChannels, [](TfMainFrm& main) {
        return RunExportChannels(&main, main.Radio(), main.CurrentFileName());
    });
    RegisterDialogCommand(cmd::kImportChannels,
                          [](TfMainFrm& main) { return RunImportChannels(&main, main.Document()); });
    RegisterChildWindow(cmd::kChannelInfo,
                        [](TfMainFrm& main) { return CreateChannelInfoWindow(main.Document()); });
    RegisterChildWindow(cmd::kChannelEdit,
                        [](TfMainFrm& main) { return CreateChannelEditWindow(main.Document()); });
    RegisterChildWindow(cmd::kRadioInfo, [](TfMainFrm& main) { return CreateInfoWindow(main.Radio()); });
    RegisterChildWindow(cmd::kKeyFunction,
                        [](TfMainFrm& main) { return CreateKeyFunctionWindow(main.Document()); });
    RegisterChildWindow(cmd::kVoxFunction,
                        [](TfMainFrm& main) { return CreateVoxFunctionWindow(main.Document()); });
    RegisterChildWindow(cmd::kOptionalFunction,
                        [](TfMainFrm& main) { return CreateOptionalFunctionWindow(main.Document()); });
    RegisterChildWindow(cmd::kScanInfo,
                        [](TfMainFrm& main) { return CreateScanInfoWindow(main.Document()); });
    RegisterChildWindow(cmd::kDtmf, [](TfMainFrm& main) { return CreateDtmfWindow(main.Document()); });
    RegisterDialogCommand(cmd::kPrint, [](TfMainFrm& main) {
        return RunPrintDialog(&main, main.Radio(), main.CurrentFileName());
    });
    RegisterDialogCommand(cmd::kPrintPreview, [](TfMainFrm& main) {
        return RunPrintPreviewDialog(&main, main.Radio(), main.CurrentFileName());
    });
    RegisterDialogCommand(cmd::kCompareWithFile,
                          [](TfMainFrm& main) { return RunCompareWithFile(&main, main.Radio()); });
    RegisterDialogCommand(cmd::kCompareWithRadio, [](TfMainFrm& main) {
        return RunCompareWithRadio(&main, main.Radio(), main.Session(), main.Prefs().PortName);
    });
    RegisterDialogCommand(cmd::kProduction, [](TfMainFrm& main) {
        RunProductionWindow(&main, {main.Radio(), main.Session(), main.CurrentFileName(), main.SettingsPath(),
                                    main.Timing()});
        return true;
    });
    RegisterDialogCommand(cmd::kCableCheck, [](TfMainFrm& main) {
        RunCableCheckWindow(&main, main.Session(), main.Prefs().PortName);
        return true;
    });
}

}  // namespace lm
