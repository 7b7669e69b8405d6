#include "help_text.h"

#include <algorithm>
#include <vector>

#include "command.h"

namespace lm::cli {

namespace {

// Columns on a terminal: one per character of the UTF-8 text.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The logical lines of a text; a last newline ends the last line rather than starting another.
std::vector<std::string_view> Lines(std::string_view text) {
    if (text.empty()) return {};
    if (text.back() == '\n') text.remove_suffix(1);
    return Split(text, '\n');
}

// The words of a text; an optional part of a usage line ("[--band NAME]") stays one word.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    int depth = 0;
    for (std::string_view piece : Split(text, ' ')) {
        if (piece.empty()) continue;
        if (depth > 0)
            words.back() += ' ' + std::string(piece);
        else
            words.emplace_back(piece);
        depth += static_cast<int>(std::count(piece.begin(), piece.end(), '[')) -
                 static_cast<int>(std::count(piece.begin(), piece.end(), ']'));
    }
    return words;
}

// The words of a line after its head (which stays as it is), each continuation line indented by hang.
void Wrap(std::string_view head, std::string_view text, std::size_t hang, std::string& out) {
    std::string line(head);
    std::size_t used = Columns(line);
    bool hasWord = false;
    for (const std::string& word : Words(text)) {
        const std::size_t width = Columns(word);
        if (hasWord && used + 1 + width > kHelpWidth) {
            out += line + '\n';
            line.assign(hang, ' ');
            used = hang;
            hasWord = false;
        }
        if (hasWord) {
            line += ' ';
            ++used;
        }
        line += word;
        used += width;
        hasWord = true;
    }
    out += line + '\n';
}

void WrapLine(std::string_view line, std::string& out) {
    const std::size_t indent = line.find_first_not_of(' ');
    if (indent == std::string_view::npos || Columns(line) <= kHelpWidth) {
        out += std::string(line) + '\n';
        return;
    }
    // The second column of a table row, unless it leaves too little room for the text.
    std::size_t head = indent;
    if (const std::size_t run = line.find("  ", indent); run != std::string_view::npos) {
        const std::size_t after = line.find_first_not_of(' ', run);
        if (after != std::string_view::npos && Columns(line.substr(0, after)) <= kHelpWidth * 2 / 3)
            head = after;
    }
    Wrap(line.substr(0, head), line.substr(head), Columns(line.substr(0, head)), out);
}

std::string Term(const Option& option) {
    std::string term(option.name);
    if (option.TakesValue()) term += ' ' + std::string(option.value);
    return term;
}

}  // namespace

std::string WrapText(std::string_view text) {
    std::string out;
    for (std::string_view line : Lines(text)) WrapLine(line, out);
    return out;
}

std::string WrapHanging(std::string_view line, std::size_t hang) {
    std::string out;
    const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
    Wrap(line.substr(0, indent), line.substr(indent), hang, out);
    return out;
}

std::string Synopsis(const Command& command) {
    std::string synopsis;
    const auto add = [&synopsis](const std::string& part) {
        if (!synopsis.empty()) synopsis += ' ';
        synopsis += part;
    };
    for (const Option& option : command.Options()) {
        const std::string term = Term(option);
        if (option.required)
            add(term + (option.repeatable ? " [" + term + " ...]" : ""));
        else
            add('[' + term + (option.repeatable ? " ..." : "") + ']');
    }
    if (!command.Operands().empty()) add(std::string(command.Operands()));
    return synopsis;
}

std::string OptionsTable(std::span<const Option> options) {
    std::size_t column = 0;
    for (const Option& option : options) column = std::max(column, Columns(Term(option)));
    column += 4;  // two spaces before the name, two before the help
    std::string table;
    for (const Option& option : options) {
        const std::string term = "  " + Term(option);
        std::string prefix = term + std::string(column - Columns(term), ' ');
        for (std::string_view line : Lines(option.help)) {
            table += prefix + std::string(line) + '\n';
            prefix.assign(column, ' ');
        }
    }
    return WrapText(table);
}

std::string CommandHelp(std::string_view tool, const Command& command) {
    const HelpText help = command.Help();
    const std::string synopsis = Synopsis(command);
    std::string text = "Usage: " + std::string(tool) + ' ' + std::string(command.Name()) +
                       (synopsis.empty() ? "" : ' ' + synopsis) + "\n\n" + WrapText(help.summary);
    std::vector<std::string> sections;
    if (!help.intro.empty()) sections.push_back(WrapText(help.intro));
    if (!command.Options().empty())
        sections.push_back(std::string(help.optionsHeading) + '\n' + OptionsTable(command.Options()));
    if (!help.details.empty()) sections.push_back(WrapText(help.details));
    for (const std::string& section : sections) text += '\n' + section;
    return text;
}

}  // namespace lm::cli
