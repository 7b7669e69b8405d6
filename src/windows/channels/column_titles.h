#pragma once
// The grid's column entries as the hidden list BColText holds them, "RX Frequency [80|80]3": the title before
// "[" (a "|" breaks it into two lines), the width in the two characters after "[", the alignment code after
// "]"
// ("1" left, "2" centre, "3" right). The language file replaces the entries like any other list item.
#include <QString>
#include <QStringList>

#include "core/channel_table.h"

namespace lm {

struct ColumnTitle {
    QString title;  // as shown: a "|" of the entry becomes a line break
    int width = 0;
    Qt::Alignment alignment = Qt::AlignCenter;
};

// The design entries of the 13 columns, from ChannelColumns().
QStringList DefaultColumnEntries();
// Reads one entry; what it does not give (a width or code that is no number) is taken from fallback.
ColumnTitle ParseColumnEntry(const QString& entry, const ColumnTitle& fallback);
// The column of the channel table as a ColumnTitle.
ColumnTitle ColumnTitleOf(const ChannelColumn& column);

}  // namespace lm
