// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "initext.h"

#include <algorithm>
#include <set>

namespace platform {

namespace {
constexpr auto npos = std::string::npos;

// The blanks QSettings skips before a line.
bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
// The characters that can end or extend a line.
bool special(char c) { return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\'; }

bool endsInBreak(const std::string& text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

std::string trimmed(const std::string& text, std::size_t from, std::size_t to)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (from < to && space(text[from]))
        ++from;
    while (to > from && space(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}
} // namespace

IniText::IniText(std::string bytes) : text(std::move(bytes))
{
    std::size_t pos = 0;
    Line line;
    while (nextLine(pos, line)) {
        if (text[line.start] != '[') {
            sound = sound && line.equals != npos;
            continue;
        }
        const std::size_t close = text.find(']', line.start);
        const bool closed = close < line.end;
        sound = sound && closed;
        if (!sections.empty())
            sections.back().end = line.start;
        sections.push_back({trimmed(text, line.start + 1, closed ? close : line.end), line.start, text.size()});
    }
}

// One line from \p pos on, as QSettings finds it; false at the end.
bool IniText::nextLine(std::size_t& pos, Line& line) const
{
    const std::size_t size = text.size();
    bool quoted = false;
    line.equals = npos;
    std::size_t start = pos;
    while (start < size && blank(text[start]))
        ++start;
    std::size_t i = start;
    while (i < size) {
        const char c = text[i++];
        if (!special(c))
            continue;
        if (c == '=') {
            if (!quoted && line.equals == npos)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            // Escapes the next character, a line break (of either kind or both) too.
            if (i < size) {
                const char next = text[i++];
                if (i < size && ((next == '\n' && text[i] == '\r') || (next == '\r' && text[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (i == start + 1) { // a comment line
            while (i < size && text[i] != '\n' && text[i] != '\r')
                ++i;
            while (i < size && blank(text[i]))
                ++i;
            start = i;
        } else if (!quoted) { // a comment after the value
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.end = i;
    return i > start;
}

std::vector<IniText::Line> IniText::linesOf(const Section& section) const
{
    std::vector<Line> found;
    std::size_t pos = section.start;
    Line line;
    while (nextLine(pos, line) && line.start < section.end)
        found.push_back(line);
    return found;
}

std::string IniText::keyOf(const Line& line) const { return trimmed(text, line.start, line.equals); }

std::size_t IniText::endOfRow(std::size_t pos) const
{
    pos = text.find_first_of("\n\r", pos);
    if (pos == npos)
        return text.size();
    return pos + (text.compare(pos, 2, "\r\n") == 0 ? 2 : 1);
}

std::string IniText::section(const std::string& name) const
{
    std::string found;
    for (const Section& s : sections)
        if (s.name == name)
            found.append(text, s.start, s.end - s.start);
    return found;
}

std::map<std::string, std::string> IniText::lines(const std::string& name) const
{
    std::map<std::string, std::string> found;
    for (const Section& s : sections)
        if (s.name == name)
            for (const Line& line : linesOf(s))
                if (line.equals != npos && line.start != s.start)
                    found[keyOf(line)] = text.substr(line.start, line.end - line.start);
    return found;
}

// Whether the last line runs on to the end (an open quote, a line break
// escaped): anything put after it would become part of its value.
bool IniText::openAtEnd() const
{
    std::size_t pos = 0, tail = 0;
    Line line;
    while (nextLine(pos, line))
        tail = line.start;
    std::string rest = text.substr(tail);
    const IniText probe(rest + (endsInBreak(rest) ? "[.]\n" : "\n[.]\n"));
    return probe.sections.empty() || probe.sections.back().name != ".";
}

IniText IniText::with(const std::map<std::string, std::map<std::string, std::string>>& lines) const
{
    struct Edit {
        std::size_t at, length;
        std::string put;
    };
    std::vector<Edit> edits;
    std::string added; // sections the text does not have yet
    bool open = false;
    for (const auto& [name, keyed] : lines) {
        std::set<std::string> placed;
        std::size_t after = npos; // the end of the section's last row
        for (const Section& s : sections) {
            if (s.name != name)
                continue;
            const std::vector<Line> rows = linesOf(s);
            const Line& last = rows.back();
            after = endOfRow(last.end);
            // Lines that would follow an open last line go before it, or when
            // that is the heading itself, under a new heading of the section.
            const bool replaced = last.start != s.start && last.equals != npos && keyed.count(keyOf(last));
            if (after == text.size() && !replaced && (open = openAtEnd()))
                after = rows.size() > 1 ? last.start : npos;
            for (const Line& line : rows) {
                if (line.equals == npos || line.start == s.start)
                    continue;
                const auto found = keyed.find(keyOf(line));
                if (found == keyed.end())
                    continue;
                edits.push_back({line.start, line.end - line.start, found->second});
                placed.insert(found->first);
            }
        }
        std::string missing;
        for (const auto& [key, line] : keyed)
            if (!placed.count(key))
                missing += line + '\n';
        if (missing.empty())
            continue;
        if (after == npos)
            added += "[" + name + "]\n" + missing + "\n";
        else
            edits.push_back({after, 0, missing});
    }
    if (!added.empty()) {
        added.pop_back();
        // New sections go at the end. When the last line is open they go
        // before the last section, or with no section at all first, the
        // lines after them put back where they were by a [General] heading.
        if (!open && !openAtEnd())
            edits.push_back({text.size(), 0, (text.empty() ? "" : "\n") + added});
        else if (!sections.empty())
            edits.push_back({sections.back().start, 0, added + "\n"});
        else
            edits.push_back({text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3u : 0u, 0, added + "\n[General]\n"});
    }
    // Lines put in at a place go before a line replaced there.
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.at < b.at || (a.at == b.at && a.length < b.length); });
    std::string result;
    result.reserve(text.size() + added.size() + 256 * edits.size());
    std::size_t from = 0;
    for (const Edit& edit : edits) {
        result.append(text, from, edit.at - from);
        // Added lines start on a row of their own.
        if (edit.length == 0 && !result.empty() && !endsInBreak(result))
            result += '\n';
        result += edit.put;
        from = edit.at + edit.length;
    }
    result.append(text, from);
    return IniText(std::move(result));
}

} // namespace platform
