// lm418t: the windowed programming software for the LM-418T radios.
#include <QApplication>
#include <QMainWindow>

#include "core/state.h"
#include "shell/config/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lm::RunStartup(argc > 0 ? argv[0] : nullptr);
    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(lm::gAll.ProductTitle));
    window.showMaximized();
    return app.exec();
}
