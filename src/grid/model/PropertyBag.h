#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/Variant.h"

namespace grid {

// A keyed bag of named values, as a window layout keeps the settings of a
// control placed on it. A value equal to its key's default is not stored;
// a missing key reads as the default given when reading. Values are
// Booleans, 16-bit and 32-bit integers and strings.
//
// Plain text form, one key a line:
//     Key = value
// with True or False for Booleans, decimal integers, and strings in double
// quotes (\" \\ \n \r \t escaped). Lines that do not read as a key and a
// value are ignored, as is a value that does not read as the type asked for.
class PropertyBag {
public:
    // Stores the value, or drops the key when the value equals the default;
    // writing a key again replaces what the first write left. An Empty
    // default means the value is always stored.
    void WriteProperty(const std::string& name, const runtime::Variant& value,
                       const runtime::Variant& defaultValue = {});
    // The stored value in the type of the default (Empty default: as a
    // string), or the default when the key is missing or unreadable.
    runtime::Variant ReadProperty(const std::string& name, const runtime::Variant& defaultValue = {}) const;
    bool Contains(const std::string& name) const;
    std::size_t Count() const { return entries_.size(); }

    std::string ToText() const;
    static PropertyBag FromText(const std::string& text);

private:
    using Entry = std::pair<std::string, std::string>;  // key, value in its text form
    const Entry* Find(const std::string& name) const;

    std::vector<Entry> entries_;  // in the order first written
};

}  // namespace grid
