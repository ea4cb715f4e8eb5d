#include "framework/properties.h"

#include <stdexcept>

void PropertyHolder::SetProperty(const std::string& name, const PropertyValue& value) {
    if (!ApplyProperty(name, value)) throw std::invalid_argument("unknown property " + name);
    values_[name] = value;
}

const PropertyValue& PropertyHolder::Property(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) throw std::out_of_range("property " + name + " was never set");
    return it->second;
}

void SetProperties(PropertyHolder& object, const PropertyTable& table) {
    for (const auto& [name, value] : table) object.SetProperty(name, value);
}
