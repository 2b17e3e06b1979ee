// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "messages.h"

class QWidget;

namespace platform {

class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent(parent) {}
    void show(Icon icon, const std::string& prompt, const std::string& title = {}) override;

private:
    QWidget* parent;
};

} // namespace platform
