// Saves PNG pictures of the main window and of every dialog it opens, for the documentation.
// Usage: lm418t-screenshots <output folder>   (run it from the build tree, beside the language files)
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "core/channel_edit.h"
#include "core/image_diff.h"
#include "core/settings_access.h"
#include "core/state.h"
#include "globals/globals.h"
#include "gui_common/scripted_messages.h"
#include "port/simulated_radio.h"
#include "settings/language.h"
#include "settings/startup.h"
#include "shell/command_table.h"
#include "shell/main_frm.h"
#include "shell/windows_wiring.h"
#include "widgets/message_box.h"
#include "windows/channels/tone_option.h"
#include "windows/compare/compare_window.h"
#include "windows/link/production_table.h"
#include "windows/link/production_window.h"
#include "windows/print/print_sheet.h"

namespace {

QString gOut;

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget* w, const QString& name) {
    const QString path = QDir(gOut).filePath(name + ".png");
    if (!w->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// Runs `open`, which shows a modal dialog: `act` gets the dialog once it is shown, then the dialog is closed.
void ShootModal(const std::function<void()>& open, const QString& name,
                const std::function<void(QWidget*)>& act = {}) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        timer->stop();
        timer->deleteLater();
        Wait(150);
        Save(modal, name);
        const QPointer<QWidget> guard(modal);
        if (act) act(modal);
        if (!guard.isNull() && guard->isVisible()) guard->close();
    });
    timer->start();
    open();
}

// Runs a command whose dialog is modal, as ShootModal does.
void ShootDialog(lm::TfMainFrm& main, int tag, const QString& name,
                 const std::function<void(QWidget*)>& act = {}) {
    ShootModal([&main, tag] { main.DispatchCommand(tag); }, name, act);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lm::RegisterWindows();
    gOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(gOut);
    // A private settings file, so the pictures do not depend on (or change) the user's settings.
    lm::StartupPaths paths;
    paths.appDir = lm::ExecutableDir(argv[0]);
    paths.languageDir = paths.appDir;
    paths.settingsPath = QDir(gOut).filePath("SysInfo.Ini").toStdString();
    lm::RunStartupSteps(lm::gPreferences, lm::gSession, lm::gLanguage, paths);
    lm::gPreferences.LanguageId = 0;
    lm::gPreferences.LanguageName = "English";
    lm::LoadMessageTable(lm::gLanguage, paths.languageDir, "English");  // the messages in English too
    lm::gPreferences.PortName = "SIMULATED";
    lm::ScriptedMessages messages;  // no message box stops the pictures

    lm::TfMainFrm main({lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}, paths.settingsPath);
    main.resize(1600, 820);  // room for the channel edit window beside the grid
    main.show();
    Wait(300);
    main.DispatchCommand(lm::cmd::kRadioInfo);
    Wait(200);
    Save(&main, "main-window");

    ShootDialog(main, 31, "port-dialog");
    ShootDialog(main, 30, "model-dialog");
    ShootDialog(main, 20, "read-dialog", [](QWidget* dialog) {
        if (auto* ok = dialog->findChild<QAbstractButton*>("btnOk")) ok->click();
        Wait(900);
        Save(dialog, "read-dialog-reading");
        Wait(4000);
    });
    Wait(300);
    Save(&main, "main-window-after-read");
    // The channel windows: the grid, the edit window on channel 3, the tone picker.
    if (QMdiSubWindow* grid = main.ChildFrame(lm::cmd::kChannelInfo)) Save(grid, "channel-grid");
    lm::gAll.CurrentChannel = 3;
    main.DispatchCommand(lm::cmd::kChannelEdit);
    Wait(200);
    if (QMdiSubWindow* edit = main.ChildFrame(lm::cmd::kChannelEdit)) Save(edit, "channel-edit");
    Save(&main, "main-window-channel-edit");
    ShootModal(
        [&main] {
            std::string tone = "67.0";
            lm::RunToneOption(&main, tone);
        },
        "tone-picker");
    // The settings windows, each alone in the client area.
    const std::pair<int, const char*> settings[] = {{12, "key-function"},
                                                    {13, "vox-function"},
                                                    {14, "optional-function"},
                                                    {19, "scan-information"},
                                                    {17, "dtmf"}};
    for (const auto& [tag, name] : settings) {
        main.DispatchCommand(tag);
        Wait(200);
        if (QMdiSubWindow* frame = main.ChildFrame(tag)) {
            Save(frame, name);
            frame->close();
        }
    }
    ShootDialog(main, 21, "write-dialog");
    // The Production window mid-run: four simulated radios written at once with verify and ID codes, the
    // third one refusing a frame of the write.
    {
        lm::sim::Faults refusing;
        refusing.nakBlock = 20;
        lm::ResetSimulatedRadio(lm::PlausibleRadioMemory(), refusing, 3);
        lm::TfProduction production(&main, {main.Radio(), main.Session(), "fleet.dat", ""});
        for (int n = 1; n <= 4; ++n)
            production.Table().Change(lm::SimulatedPortName(n), [](lm::PortRow& row) { row.checked = true; });
        production.cbVerify->setChecked(true);
        production.cbNumber->setChecked(true);
        production.edIdFrom->setText("101");
        production.resize(900, 600);
        production.show();
        production.StartWrite();
        Wait(2600);
        Save(&production, "production");
        production.Stop();
        Wait(500);
    }

    ShootDialog(main, 18, "embedded-message-dialog");
    ShootDialog(main, 32, "language-dialog");
    ShootDialog(main, 61, "about-box");
    if (QMdiSubWindow* info = main.ChildFrame(lm::cmd::kRadioInfo)) {
        Save(info, "radio-information");
    }
    // The print preview of the sheet of the image read, shown without waiting for it.
    {
        const auto preview =
            lm::MakePrintPreview(&main, lm::CurrentSheetHtml(main.Radio(), main.CurrentFileName()));
        preview->show();
        Wait(800);
        Save(preview.get(), "print-preview");
    }

    // The compare window: the image read from the radio against a file with a few changes.
    {
        lm::TALL file = lm::gAll;
        lm::SetRxFrequency(file, 2, "462.55000");
        lm::SetTone(file, 1, lm::cfRxTone, "D023N");
        lm::SetOption(file, 4, lm::cfPower, 0);
        lm::WriteSetting(file, "squelch", "7");
        lm::WriteSetting(file, "tx-time-out", "60");
        lm::WriteSetting(file, "autodial-2", "5551234");
        file.Image[0x01F3 + 1] = 0x5A;  // a byte no window shows
        lm::TfCompare compare(&main, lm::DiffImages(lm::gAll, file), lm::CompareWith::File, "fleet.dat");
        compare.resize(560, 330);
        compare.show();
        Wait(300);
        Save(&compare, "compare");
    }

    // The same main window in Chinese.
    lm::gPreferences.LanguageId = 1;
    lm::gPreferences.LanguageName = "Chinese";
    ShootDialog(main, 61, "about-box-chinese");
    lm::TfMainFrm chinese({lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}, paths.settingsPath);
    chinese.resize(1600, 820);
    chinese.show();
    Wait(300);
    chinese.DispatchCommand(lm::cmd::kRadioInfo);
    Wait(200);
    Save(&chinese, "main-window-chinese");
    messages.Clear();
    return 0;
}
