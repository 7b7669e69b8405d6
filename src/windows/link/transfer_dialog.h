#pragma once
// What the read and write dialogs have in common: the progress bar, Ok, Cancel and the password row, created
// first and in this order (the window's translation and its Tab order follow the order of creation); the
// start of a transfer once the dialog is first shown; Cancel, Escape and the close box.
#include <QDialog>
#include <QRect>
#include <QSize>
#include <memory>
#include <string>

#include "core/state.h"
#include "link/handshake.h"
#include "port/transfer_host.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QShowEvent;

namespace lm {

class RadioLink;

// What a transfer works on: the record it reads into or writes from, the session it belongs to and the port.
struct TransferTarget {
    TALL& radio;
    TransferSession& session;
    std::string port;
};

class TransferDialog : public QDialog, protected TransferObserver {
    Q_OBJECT

public:
    // Where a dialog places the common controls, and its names and size.
    struct Layout {
        const char* name;   // of the window
        const char* title;  // built-in caption
        QSize size;
        int progressMax;
        QRect bar;
        QRect ok;
        QRect cancel;
        QRect label;  // Label1, the password's label
        QRect pass;   // cxPass
    };

    ~TransferDialog() override;

    // Cancel, Escape and the close box: a running transfer is abandoned.
    void reject() override;

protected:
    TransferDialog(QWidget* parent, const Layout& layout, TransferTarget target);
    TransferTarget& Target() { return target_; }

    void showEvent(QShowEvent* event) override;

    // A password edit: hidden characters, at most 10 of the password characters.
    QLineEdit* PasswordEdit(const char* name, const QRect& geometry);
    // The password rows lie below the client area until the user asks for them (btnPass, or Tab into them) or
    // the radio refuses the password; then the dialog grows to show them down to passwordBottom_, and after a
    // refusal the focus goes to the password edit as soon as it is enabled again.
    void RevealPasswordRows();
    // The passwords' controls enabled or disabled by the transfer (the dialogs add their own controls).
    void EnablePasswords(bool enabled) override;
    // Reveals the password rows when a control below the client area receives the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    int passwordBottom_ = 0;

    // The start of each showing: the window translated, the password cleared, the progress bar's maximum
    // reset.
    void PrepareShow();
    // The engine's options for the chosen port.
    link::EngineOptions PortOptions() const;
    // Makes the line (a child of the dialog, found like its controls) and the host of the engine, and opens
    // the port soon; purge: the buffers are purged as well. Returns the engine, now held by the dialog.
    template <class Engine>
    Engine& Start(std::unique_ptr<Engine> engine, int drainGiveUpMs, bool purge) {
        Engine& held = *engine;
        engine_ = std::move(engine);
        StartHost(drainGiveUpMs, purge);
        return held;
    }
    TransferHost& Host() { return *host_; }

    // The host's reports: the progress bar, Ok, the messages and closing; the dialogs add the rest.
    void Progress(int position, int max) override;
    void EnableOk(bool enabled) override;
    void Message(const link::ShowMessage& message, std::function<void()> closed) override;
    void Closed() override;
    void Finished(const link::Finished& finished) override;
    // The dialog's own text for a message that the message table does not hold (from a hidden label of the
    // dialog, so that the language file can translate it); "" for the built-in English text.
    virtual std::string OwnText(const std::string& /*key*/) const { return {}; }

    QProgressBar* pBar = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* cxPass = nullptr;
    QPushButton* btnPass = nullptr;  // shows the password rows
    QLabel* lSim = nullptr;          // hidden: the name of the simulated radio, shown with the caption
    QLabel* lCableCheck = nullptr;   // hidden: the offer of the Cable Check after a connection failure

private:
    virtual void FormShow() = 0;
    virtual void btnOkClick() = 0;
    void StartHost(int drainGiveUpMs, bool purge);
    bool passwordWanted_ = false;
    bool cableCheckWanted_ = false;  // the user asked for the Cable Check after a connection failure

    TransferTarget target_;
    int progressMax_;
    std::unique_ptr<link::TransferEngine> engine_;
    std::unique_ptr<RadioLink> line_;
    std::unique_ptr<TransferHost> host_;
    bool shown_ = false;
};

}  // namespace lm
