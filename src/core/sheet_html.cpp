// The channel sheet as an HTML document: plain tables, black on white, sized for a printed page.
#include <string>

#include "core/channel_sheet.h"

namespace lm {

namespace {

constexpr const char* kStyle =
    "body { font-family: sans-serif; font-size: 8pt; color: #000; background: #fff; }\n"
    "h1 { font-size: 14pt; margin-top: 0; margin-bottom: 4pt; }\n"
    "h2 { font-size: 11pt; margin-top: 12pt; margin-bottom: 4pt; }\n"
    "h3 { font-size: 9pt; margin-top: 8pt; margin-bottom: 2pt; }\n"
    "table { border-collapse: collapse; }\n"
    "th, td { border: 1px solid #444; padding: 2px 3px; }\n"
    "th { background: #e8e8e8; font-weight: bold; }\n"
    "table.channels td { white-space: nowrap; }\n"
    "table.channels th { font-size: 7pt; }\n"
    "td.empty { color: #666; font-style: italic; }\n"
    "table.fields td.label { font-weight: bold; }\n"
    "table.header td { border: none; padding: 0 8px 0 0; }\n"
    "p.footer { font-size: 7pt; color: #444; margin-top: 10pt; }\n";

// A column title with its "|" line break.
std::string TitleHtml(std::string_view title) {
    std::string html;
    std::size_t from = 0;
    for (std::size_t bar = title.find('|'); bar != std::string_view::npos; bar = title.find('|', from)) {
        html += HtmlEscape(title.substr(from, bar - from)) + "<br>";
        from = bar + 1;
    }
    return html + HtmlEscape(title.substr(from));
}

void Fields(std::string& html, const std::vector<SheetField>& fields, const char* tableClass) {
    html += std::string("<table class=\"") + tableClass + "\">\n";
    for (const SheetField& f : fields)
        html += "<tr><td class=\"label\">" + HtmlEscape(f.label) + "</td><td>" + HtmlEscape(f.value) +
                "</td></tr>\n";
    html += "</table>\n";
}

void Channels(std::string& html, const Sheet& sheet) {
    html +=
        "<h2>" + HtmlEscape(sheet.channelsCaption) + "</h2>\n<table class=\"channels\" width=\"100%\">\n<tr>";
    for (const std::string& title : sheet.columns) html += "<th>" + TitleHtml(title) + "</th>";
    html += "</tr>\n";
    for (const SheetChannel& channel : sheet.channels) {
        html += "<tr><td align=\"center\">" + HtmlEscape(channel.cells.at(0)) + "</td>";
        if (!channel.present) {
            html += "<td class=\"empty\" colspan=\"" + std::to_string(sheet.columns.size() - 1) + "\">" +
                    HtmlEscape(channel.cells.at(1)) + "</td>";
        } else {
            for (std::size_t c = 1; c < channel.cells.size(); ++c)
                html += std::string("<td align=\"") + (c <= 3 ? "right" : "center") + "\">" +
                        HtmlEscape(channel.cells[c]) + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string SheetHtml(const Sheet& sheet) {
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       HtmlEscape(sheet.title) + "</title>\n<style>\n" + kStyle +
                       "</style>\n</head>\n<body>\n<h1>" + HtmlEscape(sheet.title) + "</h1>\n";
    Fields(html, sheet.header, "header");
    Channels(html, sheet);

    html += "<h2>" + HtmlEscape(sheet.settingsCaption) + "</h2>\n";
    for (const SheetGroup& group : sheet.settings) {
        html += "<h3>" + HtmlEscape(group.caption) + "</h3>\n";
        Fields(html, group.fields, "fields");
    }
    html += "<h2>" + HtmlEscape(sheet.infoCaption) + "</h2>\n";
    Fields(html, sheet.info, "fields");
    html += "<p class=\"footer\">" + HtmlEscape(sheet.footer) + "</p>\n</body>\n</html>\n";
    return html;
}

}  // namespace lm
