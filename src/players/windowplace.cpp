// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "windowplace.h"

#include "platform/settingsstore.h"
#include "strictnumber.h"

#include <sstream>

namespace players {

namespace {
constexpr const char* section = "window";
constexpr const char* lastScreen = "screen";
} // namespace

std::optional<WindowPlace> readWindowPlace(const platform::SettingsStore& store, const std::string& screen)
{
    const auto line = screen.empty() ? std::nullopt : store.value(section, screen);
    if (!line)
        return std::nullopt;
    std::istringstream words(*line);
    std::string word;
    WindowPlace place;
    for (int* field : {&place.x, &place.y, &place.width, &place.height})
        if (!(words >> word) || !parseStrict(word, *field))
            return std::nullopt;
    if (words >> word || place.width <= 0 || place.height <= 0)
        return std::nullopt;
    return place;
}

std::string lastWindowScreen(const platform::SettingsStore& store)
{
    return store.value(section, lastScreen).value_or(std::string());
}

void putWindowPlace(platform::SettingsStore& store, const std::string& screen, const WindowPlace& place)
{
    store.setValue(section, lastScreen, screen);
    store.setValue(section, screen,
                   std::to_string(place.x) + ' ' + std::to_string(place.y) + ' ' + std::to_string(place.width) + ' ' +
                       std::to_string(place.height));
}

} // namespace players
