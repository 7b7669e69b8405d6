// File > Print and File > Print Preview: the commands reach Qt's dialogs through the print seam.
#include <QTest>
#include <filesystem>

#include "core/channel_edit.h"
#include "globals/globals.h"
#include "gui_common/scripted_printer.h"
#include "shell/command_table.h"
#include "shell_fixture.h"
#include "windows/print/print_sheet.h"

using lmtest::ShellFixture;

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void printAndPreviewPaintTheSheet() {
        const struct {
            int tag;
            const char* pdf;  // "" answers Cancel
            int printed;
            int previewed;
            bool written;  // else nothing is written; a failed print says so
        } cases[] = {
            {lm::cmd::kPrint, "printed.pdf", 1, 0, true},
            {lm::cmd::kPrint, "", 1, 0, false},
            {lm::cmd::kPrint, "no-folder/printed.pdf", 1, 0, false},
            {lm::cmd::kPrintPreview, "preview.pdf", 0, 1, true},
        };
        for (const auto& c : cases) {
            ShellFixture f;
            lm::SetRxFrequency(lm::gAll, 1, "446.00625");
            const std::string pdf = *c.pdf ? f.path(c.pdf) : "";
            lm::ScriptedPrinter printer(pdf);
            f.main().DispatchCommand(c.tag);
            QCOMPARE(printer.printed(), c.printed);
            QCOMPARE(printer.previewed(), c.previewed);
            if (!c.written) {
                QVERIFY(!std::filesystem::exists(pdf));
                QCOMPARE(f.messages.shown().size(), pdf.empty() ? 0u : 1u);
                if (!pdf.empty()) QVERIFY(f.messages.texts().at(0).ends_with(pdf));
                continue;
            }
            const std::string bytes = lmtest::ReadFile(pdf);
            QVERIFY2(bytes.starts_with("%PDF-"), c.pdf);
            QVERIFY2(bytes.find("/Type /Page") != std::string::npos, c.pdf);
            QVERIFY2(bytes.size() > 4000, c.pdf);
        }
    }
};

LM_GUI_TEST(PrintTest)
#include "print_test.moc"
