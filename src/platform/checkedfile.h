// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Files replaced so that a failure can never pass for success: the new
// text is written beside the old file, every write and the flush checked,
// file and folder synced, read back and compared, and only then renamed
// over it. A link is followed to the file it names; anything but a
// regular file (or none) is refused. The file keeps its permission bits.
// Each returns an empty text on success, else why it failed, in words for
// the player.

std::string replaceFile(const std::string& file, const std::string& bytes);

// Whether \p file could be replaced by about \p bytes now (the folder is
// made if missing; room for a trial file is taken beside it and given back).
std::string checkReplaceable(const std::string& file, std::size_t bytes);

// What tells one version of a file from another: a file replaced, or
// written to in place, gets another.
struct FileStamp {
    std::uint64_t device, inode, size, modified; // modified: nanoseconds
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file \p file names (links followed); nothing when there is none.
std::optional<FileStamp> stampOf(const std::string& file);

// The whole content of \p file: empty when there is none, nothing when
// it cannot be read or is not a regular file (why in \p problem). \p stamp,
// when given, gets the stamp of what was read (nothing when there was none).
std::optional<std::string> readRegularFile(const std::string& file, std::string& problem,
                                           std::optional<FileStamp>* stamp = nullptr);

// Removes the new files of writes that never took the old file's place,
// because their program was killed, from beside \p file. Only for the
// program that alone writes the file.
void removeLeftovers(const std::string& file);

} // namespace platform
