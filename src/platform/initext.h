// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <map>
#include <string>
#include <vector>

namespace platform {

// The bytes of an INI file, split into lines and sections the way QSettings
// reads them: a line may go on past a line break inside quotes or after a
// backslash, and ends early at a semicolon, which starts a comment. Lines
// are changed in place, so every other byte (other programs' sections, names
// QSettings would read otherwise, comments) stays as it was.
class IniText {
public:
    explicit IniText(std::string bytes = {});

    const std::string& bytes() const { return text; }
    // False when QSettings would refuse the text: a section heading without
    // its "]", or a line that is neither a heading nor "key=value".
    bool wellFormed() const { return sound; }
    // Every heading of section \p name with its lines, one after another, for
    // QSettings to read the section alone.
    std::string section(const std::string& name) const;
    // The "key=value" lines of section \p name by key, as written.
    std::map<std::string, std::string> lines(const std::string& name) const;
    // The text with \p lines ("key=value" by key) in their sections
    // (lines by section): each replaces every line of its key there, and the
    // others follow the section's last line, or a new section at the end.
    IniText with(const std::map<std::string, std::map<std::string, std::string>>& lines) const;

private:
    struct Line {
        std::size_t start, end, equals; // equals: npos when there is none
    };
    struct Section {
        std::string name;
        std::size_t start, end; // from its heading to the next heading
    };
    bool nextLine(std::size_t& pos, Line& line) const;
    std::vector<Line> linesOf(const Section& section) const;
    std::string keyOf(const Line& line) const;
    std::size_t endOfRow(std::size_t pos) const; // past the line break after pos
    bool openAtEnd() const;

    std::string text;
    std::vector<Section> sections;
    bool sound = true;
};

} // namespace platform
