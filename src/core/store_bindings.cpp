#include "core/store_bindings.h"

#include "runtime/convert.h"

namespace core {

void AssignFromText(const StoreBinding& binding, SettingsModel& model, std::string_view text) {
  struct Assign {
    SettingsModel& model;
    std::string_view text;
    Conversion conversion;
    void operator()(std::string SettingsModel::*field) const { model.*field = std::string(text); }
    void operator()(std::int16_t SettingsModel::*field) const {
      model.*field = conversion == Conversion::kFlag ? runtime::TextToFlag(text) : runtime::TextToInt16(text);
    }
    void operator()(std::int32_t SettingsModel::*field) const { model.*field = runtime::TextToInt32(text); }
    void operator()(double SettingsModel::*field) const { model.*field = runtime::TextToDouble(text); }
    void operator()(TagField tag) const { model.TAG.at(tag.index) = std::string(text); }
  };
  std::visit(Assign{model, text, binding.conversion}, binding.field);
}

void ReadBinding(platform::SettingsStore& store, const StoreBinding& binding, SettingsModel& model) {
  std::string text = store.Get(std::string(binding.application), std::string(binding.section), std::string(binding.key),
                               std::string(binding.defaultText));
  AssignFromText(binding, model, text);
}

void AssignDefault(const StoreBinding& binding, SettingsModel& model) {
  AssignFromText(binding, model, binding.defaultText);
}

std::string FieldText(const StoreBinding& binding, const SettingsModel& model) {
  struct Text {
    const SettingsModel& model;
    std::string operator()(std::string SettingsModel::*field) const { return model.*field; }
    std::string operator()(std::int16_t SettingsModel::*field) const { return runtime::IntegerToText(model.*field); }
    std::string operator()(std::int32_t SettingsModel::*field) const { return runtime::IntegerToText(model.*field); }
    std::string operator()(double SettingsModel::*field) const { return runtime::DoubleToText(model.*field); }
    std::string operator()(TagField tag) const { return model.TAG.at(tag.index); }
  };
  return std::visit(Text{model}, binding.field);
}

void WriteBinding(platform::SettingsStore& store, const StoreBinding& binding, const SettingsModel& model) {
  store.Write(std::string(kStoreApp), std::string(binding.section), std::string(binding.key),
              FieldText(binding, model));
}

}  // namespace core
