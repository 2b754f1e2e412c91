#include "queue/window_place.h"

#include "core/store_bindings.h"
#include "platform/settings_store.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace queue {

namespace {

constexpr const char* kSection = "Startup";

int NumberOr(const std::optional<std::string>& text, int fallback, bool isSize) {
  if (!text) return fallback;
  try {
    const std::int32_t value = runtime::TextToInt32(*text);
    return isSize && value < 0 ? fallback : value;
  } catch (const runtime::Error&) {
    return fallback;
  }
}

std::optional<std::string> ReadKey(platform::SettingsStore& store, const char* key) {
  if (key == nullptr) return std::nullopt;
  try {
    return store.Read(std::string(core::kStoreApp), kSection, key);
  } catch (const runtime::Error&) {
    return std::nullopt;
  }
}

void WriteKey(platform::SettingsStore& store, const char* key, int value) {
  if (key != nullptr) store.Write(std::string(core::kStoreApp), kSection, key, runtime::IntegerToText(value));
}

}  // namespace

ui::Rect PlaceFromTexts(const std::array<std::optional<std::string>, 4>& texts, const ui::Rect& defaults,
                        const std::function<bool(const ui::Rect&)>& onAnyScreen) {
  ui::Rect place{NumberOr(texts[0], defaults.left, false), NumberOr(texts[1], defaults.top, false),
                 NumberOr(texts[2], defaults.width, true), NumberOr(texts[3], defaults.height, true)};
  if (!onAnyScreen(place)) {
    place.left = defaults.left;
    place.top = defaults.top;
  }
  return place;
}

ui::Rect ReadPlace(ui::Context& ctx, const PlaceKeys& keys, const ui::Rect& defaults) {
  platform::SettingsStore& store = ctx.Services().settings;
  ui::Backend& backend = ctx.GetBackend();
  return PlaceFromTexts(
      {ReadKey(store, keys.left), ReadKey(store, keys.top), ReadKey(store, keys.width), ReadKey(store, keys.height)},
      defaults, [&backend](const ui::Rect& place) { return backend.OnAnyScreen(place); });
}

void WritePlace(const ui::Form& form, const PlaceKeys& keys) {
  platform::SettingsStore& store = form.Ctx().Services().settings;
  WriteKey(store, keys.left, form.Left());
  WriteKey(store, keys.top, form.Top());
  WriteKey(store, keys.width, form.Width());
  WriteKey(store, keys.height, form.Height());
}

}  // namespace queue
