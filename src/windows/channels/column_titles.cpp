#include "windows/channels/column_titles.h"

namespace lm {

namespace {

Qt::Alignment AlignmentOf(int code, Qt::Alignment fallback) {
    switch (code) {
        case static_cast<int>(ColumnAlign::Left):
            return Qt::AlignLeft | Qt::AlignVCenter;
        case static_cast<int>(ColumnAlign::Centre):
            return Qt::AlignCenter;
        case static_cast<int>(ColumnAlign::Right):
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return fallback;
    }
}

}  // namespace

ColumnTitle ColumnTitleOf(const ChannelColumn& column) {
    return {QString::fromStdString(column.title).replace('|', '\n'), column.width,
            AlignmentOf(static_cast<int>(column.alignment), Qt::AlignCenter)};
}

QStringList DefaultColumnEntries() {
    QStringList entries;
    for (const ChannelColumn& c : ChannelColumns()) {
        entries << QStringLiteral("%1 [%2|%2]%3")
                       .arg(QString::fromStdString(c.title))
                       .arg(c.width)
                       .arg(static_cast<int>(c.alignment));
    }
    return entries;
}

ColumnTitle ParseColumnEntry(const QString& entry, const ColumnTitle& fallback) {
    ColumnTitle out = fallback;
    const qsizetype open = entry.indexOf('[');
    out.title = (open < 0 ? entry : entry.left(open)).trimmed().replace('|', '\n');
    if (open < 0) return out;
    bool ok = false;
    const int width = entry.mid(open + 1, 2).toInt(&ok);
    if (ok && width > 0) out.width = width;
    const qsizetype close = entry.indexOf(']', open);
    if (close >= 0) {
        const int code = entry.mid(close + 1).trimmed().toInt(&ok);
        if (ok) out.alignment = AlignmentOf(code, fallback.alignment);
    }
    return out;
}

}  // namespace lm
