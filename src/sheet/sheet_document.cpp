#include "sheet/sheet_document.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <QTextDocument>

#include "core/channel_sheet.h"
#include "settings/sheet_language.h"

namespace lm {

std::string BuildSheetHtml(const TALL& state, const std::string& dataFile,
                           const std::string& languageFilePath, std::string* problem) {
    const SheetLookup lookup = LanguageFileLookup(languageFilePath, problem);
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return SheetHtml(BuildSheet(state, {dataFile, today}, lookup));
}

QPageLayout SheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void PrintSheet(const std::string& html, QPagedPaintDevice& device) {
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.print(&device);
}

std::string SheetPdf(const std::string& html) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(SheetPageLayout());
        writer.setCreator(QStringLiteral("lm418t"));
        PrintSheet(html, writer);
    }
    return bytes.toStdString();
}

}  // namespace lm
