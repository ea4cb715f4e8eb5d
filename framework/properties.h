// Property tables: ordered (name, value) lists applied in order to a window or a control.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "framework/color.h"

using PropertyValue = std::variant<int32_t, bool, Color, std::string>;
using PropertyTable = std::vector<std::pair<std::string, PropertyValue>>;

// An object whose properties are set by name. Every value set is kept, so it can be read back by name.
class PropertyHolder {
  public:
    virtual ~PropertyHolder() = default;

    // Applies one property; an unknown name raises std::invalid_argument.
    void SetProperty(const std::string& name, const PropertyValue& value);
    // The value last set under `name`; std::out_of_range when it was never set.
    const PropertyValue& Property(const std::string& name) const;
    bool HasProperty(const std::string& name) const { return values_.count(name) != 0; }

    int32_t IntProperty(const std::string& name) const { return std::get<int32_t>(Property(name)); }
    bool BoolProperty(const std::string& name) const { return std::get<bool>(Property(name)); }
    const std::string& StringProperty(const std::string& name) const {
        return std::get<std::string>(Property(name));
    }

  protected:
    // Makes the property take effect; returns false for a name the class does not know.
    virtual bool ApplyProperty(const std::string& name, const PropertyValue& value) = 0;
    // Stores a value without applying it again (for properties that change through other paths).
    void RememberProperty(const std::string& name, const PropertyValue& value) { values_[name] = value; }

  private:
    std::map<std::string, PropertyValue> values_;
};

// Applies a table to an object, entry by entry in the table's order.
void SetProperties(PropertyHolder& object, const PropertyTable& table);
