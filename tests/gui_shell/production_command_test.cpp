// Program > Production: its tool button opens the Production window with the main window's settings file.
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "settings/ini_file.h"
#include "shell_fixture.h"
#include "windows/link/production_window.h"

class ProductionCommandTest : public QObject {
    Q_OBJECT

private slots:
    void theToolButtonOpensTheWindowWithTheSettingsFile() {
        lmtest::ShellFixture f;
        lm::IniWrite(f.path("SysInfo.Ini"), "Production", "LogFile", "fleet.csv");
        QString log;
        lmtest::OnNextModal([&log](QWidget* w) {
            if (auto* production = qobject_cast<lm::TfProduction*>(w)) log = production->edLog->text();
            w->close();
        });
        f.main().findChild<QAction*>("tbProduction")->trigger();
        QCOMPARE(log, QString("fleet.csv"));
    }
};

LM_GUI_TEST(ProductionCommandTest)
#include "production_command_test.moc"
