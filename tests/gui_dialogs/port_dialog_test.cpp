// The Communication Port dialog: which buttons are enabled and checked, what Ok keeps, named ports, the
// simulated radio and the translated captions.
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "port/simulated_radio.h"
#include "windows/link/port_choice.h"
#include "windows/link/set_port_dialog.h"

using namespace lm;

namespace {

PortSource Ports(std::vector<std::string> names, bool numbered) {
    return PortSource{
        [names](std::vector<std::string>& list) { list.insert(list.end(), names.begin(), names.end()); },
        numbered,
        {}};
}

void PressOk(TfSetPort& d) { QTest::mouseClick(d.findChild<QPushButton*>("btnOk"), Qt::LeftButton); }

}  // namespace

class PortDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() { dlgtest::ResetProgramState(dir_.path()); }

    void numberedPortsEnableAndCheck() {
        gPreferences.PortName = "COM2";
        TfSetPort d(lm::gPreferences.PortName, nullptr, Ports({"COM1", "COM3", "COM25"}, true));
        d.show();
        QCOMPARE(d.findChild<QGroupBox*>("cxPort")->title(), QString("Communication Port"));
        QCOMPARE(d.findChild<QComboBox*>("cbCom")->count(), 3);
        for (int n = 1; n <= 20; ++n) {
            QRadioButton* b = d.findChild<QRadioButton*>(QString("cxPort%1").arg(n));
            QVERIFY(b == d.PortButton(n));
            QCOMPARE(b->text(), QString("COM%1").arg(n));
            QCOMPARE(b->isEnabled(), n == 1 || n == 3);
            QCOMPARE(b->isChecked(), n == 2);  // checked although absent
        }
        PressOk(d);
        QCOMPARE(gPreferences.PortName, std::string("COM2"));

        TfSetPort again(lm::gPreferences.PortName, nullptr, Ports({"COM1", "COM3"}, true));
        again.show();
        QTest::mouseClick(again.PortButton(3), Qt::LeftButton);
        PressOk(again);
        QCOMPARE(gPreferences.PortName, std::string("COM3"));

        // Cancel keeps the name whatever was clicked.
        TfSetPort cancelled(lm::gPreferences.PortName, nullptr, Ports({"COM1", "COM3"}, true));
        cancelled.show();
        QTest::mouseClick(cancelled.PortButton(1), Qt::LeftButton);
        QTest::mouseClick(cancelled.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        QCOMPARE(gPreferences.PortName, std::string("COM3"));
    }

    void portsWithoutButtonAreKept() {
        for (const char* name : {"COM25", "COMX", ""}) {
            gPreferences.PortName = name;
            TfSetPort d(lm::gPreferences.PortName, nullptr, Ports({"COM1", "COM25"}, true));
            d.show();
            QCOMPARE(d.Choice().checked, -1);
            for (int n = 1; n <= 20; ++n) QVERIFY(!d.PortButton(n)->isChecked());
            PressOk(d);
            QCOMPARE(gPreferences.PortName, std::string(name));
        }
        // No port at all: every button disabled, Ok keeps the name.
        gPreferences.PortName = "COM4";
        TfSetPort none(lm::gPreferences.PortName, nullptr, Ports({}, true));
        none.show();
        for (int n = 1; n <= 20; ++n) QVERIFY(!none.PortButton(n)->isEnabled());
        QVERIFY(none.PortButton(4)->isChecked());
        PressOk(none);
        QCOMPARE(gPreferences.PortName, std::string("COM4"));
    }

    void namedPortsTakeButtonsInOrder() {
        gPreferences.PortName = "/dev/ttyUSB0";
        TfSetPort d(lm::gPreferences.PortName, nullptr, Ports({"/dev/ttyS0", "/dev/ttyUSB0"}, false));
        d.show();
        QCOMPARE(d.PortButton(1)->text(), QString("ttyS0"));
        QCOMPARE(d.PortButton(2)->text(), QString("ttyUSB0"));
        QVERIFY(d.PortButton(1)->isEnabled() && d.PortButton(2)->isEnabled());
        QVERIFY(d.PortButton(2)->isChecked());
        QVERIFY(!d.PortButton(3)->isVisibleTo(&d));
        QTest::mouseClick(d.PortButton(1), Qt::LeftButton);
        PressOk(d);
        QCOMPARE(gPreferences.PortName, std::string("/dev/ttyS0"));

        // What the system says of a port stands beside its name; the simulated radio follows the last port
        // without a gap, and the dialog is no taller than its rows.
        PortSource described = Ports({"/dev/ttyUSB0", "/dev/ttyS0"}, false);
        described.describe = [](const std::string& name) {
            return name == "/dev/ttyUSB0" ? std::string("USB Serial (Maker)") : std::string();
        };
        TfSetPort about(lm::gPreferences.PortName, nullptr, described);
        about.show();
        QCOMPARE(about.PortButton(1)->text(), QString("ttyUSB0  \u2014  USB Serial (Maker)"));
        QCOMPARE(about.PortButton(2)->text(), QString("ttyS0"));
        const auto* sim = about.findChild<QRadioButton*>("cxSim");
        QCOMPARE(sim->y(), about.PortButton(2)->y() + 24);
        QVERIFY(about.height() < 222);
        QVERIFY(about.findChild<QPushButton*>("btnOk")->geometry().bottom() < about.height());

        // A configured path that the listing does not show (a pseudo-terminal, an unplugged adapter) keeps a
        // button of its own and stays selectable.
        gPreferences.PortName = "/dev/pts/7";
        TfSetPort pty(lm::gPreferences.PortName, nullptr, Ports({"/dev/ttyS0"}, false));
        pty.show();
        QCOMPARE(pty.PortButton(2)->text(), QString("pts/7"));
        QVERIFY(pty.PortButton(2)->isEnabled() && pty.PortButton(2)->isChecked());
        QTest::mouseClick(pty.PortButton(1), Qt::LeftButton);
        QTest::mouseClick(pty.PortButton(2), Qt::LeftButton);
        PressOk(pty);
        QCOMPARE(gPreferences.PortName, std::string("/dev/pts/7"));

        // Twenty ports fill every button; a missing configured port then takes the last.
        std::vector<std::string> many;
        for (int i = 0; i < 25; ++i) many.push_back("/dev/ttyUSB" + std::to_string(i));
        gPreferences.PortName = "/dev/ttyACM0";
        const TPortChoice c = ChoosePortButtons(many, gPreferences.PortName, false);
        QCOMPARE(c.buttons[18].name, std::string("/dev/ttyUSB18"));
        QCOMPARE(c.buttons[19].name, std::string("/dev/ttyACM0"));
        QCOMPARE(c.checked, 19);
    }

    void simulatedRadioIsAChoice() {
        gPreferences.PortName = "COM1";
        TfSetPort d(lm::gPreferences.PortName, nullptr, Ports({"COM1"}, true));
        d.show();
        QVERIFY(d.PortButton(1)->isChecked());
        QVERIFY(!d.SimulatedButton()->isChecked());
        QTest::mouseClick(d.SimulatedButton(), Qt::LeftButton);
        QVERIFY(!d.PortButton(1)->isChecked());
        PressOk(d);
        QCOMPARE(gPreferences.PortName, std::string(kSimulatedPortName));

        TfSetPort back(lm::gPreferences.PortName, nullptr, Ports({"/dev/ttyS0"}, false));
        back.show();
        QVERIFY(back.SimulatedButton()->isChecked());
        QVERIFY(!back.PortButton(1)->isChecked());
        QVERIFY(!back.PortButton(2)->isVisibleTo(&back));  // the simulated radio takes no port button
        PressOk(back);
        QCOMPARE(gPreferences.PortName, std::string(kSimulatedPortName));
    }

    void translatedCaptions() {
        dlgtest::WriteFile(dir_.path(), "Test.Ini",
                           "[fSetPort]\r\nfSetPort.Caption=Serial\r\nlbName.Caption=Port-\r\n"
                           "cxSim.Caption=Built-in radio\r\nbtnOk.Caption=&Yes\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        gPreferences.PortName = "COM2";
        TfSetPort d(lm::gPreferences.PortName, nullptr, Ports({"COM2"}, true));
        d.show();
        QCOMPARE(d.windowTitle(), QString("Serial"));
        QCOMPARE(d.findChild<QGroupBox*>("cxPort")->title(), QString("Serial"));
        QCOMPARE(d.PortButton(2)->text(), QString("Port-2"));
        QCOMPARE(d.PortButton(20)->text(), QString("Port-20"));
        QCOMPARE(d.SimulatedButton()->text(), QString("Built-in radio"));
        QCOMPARE(d.findChild<QPushButton*>("btnOk")->text(), QString("&Yes"));
        PressOk(d);
        QCOMPARE(gPreferences.PortName, std::string("COM2"));
    }

    void portNameRules() {
        QVERIFY(IsSimulatedPort("simulated"));
        QVERIFY(!IsSimulatedPort("SIMULATED1"));
        // "com3" in the settings checks COM3 (the main window upper-cases it at start-up anyway).
        const TPortChoice c = ChoosePortButtons({"COM3"}, "com3", true);
        QCOMPARE(c.checked, 2);
        // A number written with a leading zero names the same port.
        QCOMPARE(ChoosePortButtons({"COM3"}, "COM03", true).checked, 2);
    }
};

DLG_TEST(PortDialogTest)
#include "port_dialog_test.moc"
