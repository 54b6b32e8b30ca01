#include "grid/model/PropertyBag.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>

namespace grid {

namespace {

using runtime::Variant;
using Type = runtime::Variant::Type;

bool SameKey(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += ch;
        }
    }
    return out + "\"";
}

std::optional<std::string> Unquote(const std::string& s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        char ch = s[i];
        if (ch == '"') return std::nullopt;  // an unescaped quote inside
        if (ch == '\\') {
            if (i + 2 >= s.size()) return std::nullopt;  // the closing quote was escaped away
            switch (s[++i]) {
            case 'n': ch = '\n'; break;
            case 'r': ch = '\r'; break;
            case 't': ch = '\t'; break;
            case '"': ch = '"'; break;
            case '\\': ch = '\\'; break;
            default: return std::nullopt;
            }
        }
        out += ch;
    }
    return out;
}

// The text form of a value; nothing for a type the bag does not keep.
std::optional<std::string> TextOf(const Variant& v) {
    switch (v.GetType()) {
    case Type::Boolean: return std::string(v.ToBoolean() ? "True" : "False");
    case Type::Byte:
    case Type::Integer:
    case Type::Long: return std::to_string(v.ToLong());
    case Type::String: return Quote(v.Text());
    default: return std::nullopt;
    }
}

template <class T>
std::optional<T> Integer(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
    return value;
}

// A stored text read as the type of `like`; nothing when it does not read so.
std::optional<Variant> ValueOf(const std::string& text, const Variant& like) {
    switch (like.GetType()) {
    case Type::Boolean:
        if (text == "True" || text == "-1") return Variant(true);
        if (text == "False" || text == "0") return Variant(false);
        return std::nullopt;
    case Type::Byte:
        if (auto v = Integer<std::uint8_t>(text)) return Variant(*v);
        return std::nullopt;
    case Type::Integer:
        if (auto v = Integer<std::int16_t>(text)) return Variant(*v);
        return std::nullopt;
    case Type::Long:
        if (auto v = Integer<std::int32_t>(text)) return Variant(*v);
        return std::nullopt;
    default:
        if (auto s = Unquote(text)) return Variant(*s);
        return std::nullopt;
    }
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

}  // namespace

const PropertyBag::Entry* PropertyBag::Find(const std::string& name) const {
    for (const Entry& e : entries_)
        if (SameKey(e.first, name)) return &e;
    return nullptr;
}

bool PropertyBag::Contains(const std::string& name) const { return Find(name) != nullptr; }

void PropertyBag::WriteProperty(const std::string& name, const Variant& value, const Variant& defaultValue) {
    const std::optional<std::string> text = TextOf(value);
    auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return SameKey(e.first, name); });
    const bool isDefault = !defaultValue.IsEmpty() && TextOf(defaultValue) == text;
    if (!text || isDefault) {
        if (at != entries_.end()) entries_.erase(at);
        return;
    }
    if (at != entries_.end()) at->second = *text;
    else entries_.emplace_back(name, *text);
}

Variant PropertyBag::ReadProperty(const std::string& name, const Variant& defaultValue) const {
    const Entry* entry = Find(name);
    if (!entry) return defaultValue;
    return ValueOf(entry->second, defaultValue).value_or(defaultValue);
}

std::string PropertyBag::ToText() const {
    std::string text;
    for (const Entry& e : entries_) text += e.first + " = " + e.second + "\n";
    return text;
}

PropertyBag PropertyBag::FromText(const std::string& text) {
    PropertyBag bag;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key.empty() || value.empty()) continue;
        auto at = std::find_if(bag.entries_.begin(), bag.entries_.end(),
                               [&](const Entry& e) { return SameKey(e.first, key); });
        if (at != bag.entries_.end()) at->second = value;
        else bag.entries_.emplace_back(key, value);
    }
    return bag;
}

}  // namespace grid
