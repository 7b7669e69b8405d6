#pragma once
// The frame of an editor window inside the main window's client area.
#include <QMdiSubWindow>

namespace lm {

// Holds one editor window and goes with it: the frame closes when the user closes it, when the editor closes
// itself (a Close button of its own) and when the editor is destroyed. A closed frame no longer counts as the
// window of its kind, although it is deleted only when the event loop next runs.
class EditorFrame : public QMdiSubWindow {
public:
    explicit EditorFrame(QWidget* editor);
    bool closed() const { return closed_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CloseAfterEditor();
    bool closing_ = false;
    bool closed_ = false;
};

}  // namespace lm
