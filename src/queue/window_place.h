#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "ui/context.h"
#include "ui/form.h"
#include "ui/geometry.h"

namespace queue {

// The settings keys of a floating window's place under Startup; an empty key is not stored
// (the preview keeps only its position).
struct PlaceKeys {
  const char* left;
  const char* top;
  const char* width;
  const char* height;
};

// The quick pick windows' keys and their default places. The queue's is wide enough for its
// title, " Quick Pick - Queue", in the title bar of a tool window.
inline constexpr PlaceKeys kQuickPickKeys{"QPLeft", "QPTop", "QPWidth", "QPHeight"};
inline constexpr PlaceKeys kQueueQuickPickKeys{"QPQueueLeft", "QPQueueTop", "QPQueueWidth", "QPQueueHeight"};
inline constexpr ui::Rect kQuickPickPlace{1000, 1000, 1890, 4110};
inline constexpr ui::Rect kQueueQuickPickPlace{1000, 1000, 2355, 4110};

// A window's place from its stored texts (nullopt: not stored). A text that is no whole
// number in the 32-bit range, or a negative size, takes the default; a place that would
// show on no screen takes the default position and keeps its size.
ui::Rect PlaceFromTexts(const std::array<std::optional<std::string>, 4>& texts, const ui::Rect& defaults,
                        const std::function<bool(const ui::Rect&)>& onAnyScreen);

// Reads the place of keys from the settings store (defaults where a key has none) and checks
// it against the screens of the back end.
ui::Rect ReadPlace(ui::Context& ctx, const PlaceKeys& keys, const ui::Rect& defaults);
// Writes the form's left and top, and its width and height where keys name them.
void WritePlace(const ui::Form& form, const PlaceKeys& keys);

}  // namespace queue
