// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

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
// made if missing; a trial file is written beside it and removed).
std::string checkReplaceable(const std::string& file, std::size_t bytes);

// The whole content of \p file: empty when there is none, nothing when
// it cannot be read or is not a regular file (why in \p problem).
std::optional<std::string> readRegularFile(const std::string& file, std::string& problem);

} // namespace platform
