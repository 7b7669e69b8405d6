// Sizes from contents: in English and in Chinese, every column of the channel grid and every box and label of
// the settings windows is wide enough for its widest text in the font in use, and the grid's frame fits its
// rows.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/channel_table.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "widgets/translate.h"
#include "windows/channels/ch_info.h"
#include "windows/channels/channel_grid.h"
#include "windows/editors/dtmf.h"
#include "windows/editors/function_windows.h"

using namespace lm;

namespace {

const char* const kLanguages[] = {"", LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini"};

void Translate(QWidget* window, const char* language) {
    if (*language != '\0') TranslateFormFromFile(window, language, true);
}

// The width of the text field of a drop-down box of the given size, in its style.
int TextFieldWidth(const QComboBox* box, QSize size) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.rect = QRect(QPoint(0, 0), size);
    return box->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
        .width();
}

int WidestItem(const QComboBox* box) {
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    return widest;
}

}  // namespace

class SizesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        gDocument.MarkReplaced();
    }

    void gridColumnsFitTheirTextsAndTheFrameItsRows() {
        for (const char* language : kLanguages) {
            TfChInfo window(gDocument);
            Translate(&window, language);
            window.FormShow();
            window.show();
            ChannelGrid* grid = window.Grid();
            const std::vector<ChannelColumn>& columns = ChannelColumns();
            for (int c = 0; c + 1 < static_cast<int>(columns.size()); ++c) {
                const int width = grid->columnWidth(c);
                const QString title = grid->model()->headerData(c, Qt::Horizontal).toString();
                // Wrapped at its blanks, the title fits the column and the title row.
                const QRect text = grid->horizontalHeader()->fontMetrics().boundingRect(
                    QRect(0, 0, width - 4, 1000), Qt::AlignCenter | Qt::TextWordWrap, title);
                QVERIFY2(text.width() <= width - 4 && text.height() <= grid->horizontalHeader()->height(),
                         qPrintable(title));
                const std::string& name = columns[static_cast<std::size_t>(c) + 1].box;
                if (name.empty()) {
                    QVERIFY(grid->fontMetrics().horizontalAdvance("000.00000") < width - 4);
                    continue;
                }
                const auto* box = window.findChild<QComboBox*>(QString::fromStdString(name));
                QVERIFY2(WidestItem(box) <= TextFieldWidth(box, {width, grid->rowHeight(0)}),
                         qPrintable(QString::fromStdString(name) + " " + QString::number(width)));
            }
            // No empty band under the last row, no scroll bar.
            QCOMPARE(grid->viewport()->height(), grid->rowHeight(0) * grid->model()->rowCount());
            QVERIFY(!grid->verticalScrollBar()->isVisible() && !grid->horizontalScrollBar()->isVisible());
        }
    }

    void settingsBoxesAndLabelsFitTheirTexts() {
        using Make = std::unique_ptr<SettingsWindow> (*)();
        const Make makers[] = {
            [] { return std::unique_ptr<SettingsWindow>(new TfKeyFun(gDocument)); },
            [] { return std::unique_ptr<SettingsWindow>(new TfVoxFun(gDocument)); },
            [] { return std::unique_ptr<SettingsWindow>(new TfOptFun(gDocument)); },
            [] { return std::unique_ptr<SettingsWindow>(new TfScanFun(gDocument)); },
            [] { return std::unique_ptr<SettingsWindow>(new TfDtmf(gDocument)); },
        };
        for (const char* language : kLanguages) {
            for (Make make : makers) {
                std::unique_ptr<SettingsWindow> window = make();
                Translate(window.get(), language);
                window->Load();
                const QString name = window->objectName();
                const QRect inside(QPoint(0, 0), window->size());
                for (QComboBox* box : window->findChildren<QComboBox*>()) {
                    if (box->isHidden() && box->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
                    QVERIFY2(WidestItem(box) <= TextFieldWidth(box, box->size()),
                             qPrintable(name + "/" + box->objectName()));
                    QVERIFY(box->maxVisibleItems() >= 20);
                    const QRect placed(box->mapTo(window.get(), QPoint(0, 0)), box->size());
                    QVERIFY2(inside.contains(placed), qPrintable(name + "/" + box->objectName()));
                }
                for (QLabel* label : window->findChildren<QLabel*>()) {
                    if (label->isHidden() && label->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                             qPrintable(name + "/" + label->objectName() + " " + label->text()));
                }
            }
        }
    }
};

DLG_TEST(SizesTest)
#include "sizes_test.moc"
