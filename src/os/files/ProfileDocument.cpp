#include "os/files/ProfileDocument.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace os {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A hash of the name without regard to case.
std::size_t NameHash(std::string_view name) {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : name) {
        const auto lower = static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
        hash = (hash ^ lower) * 1099511628211ull;
    }
    return hash;
}

std::string Lower(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    return Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

bool IsComment(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    return !trimmed.empty() && trimmed.front() == ';';
}

std::optional<std::string_view> KeyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || IsComment(line)) return std::nullopt;
    return Trim(line.substr(0, equals));
}

// A value in matching double or single quotes is read without them.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

// Lines are kept as they stand in the file, between line feeds, so that
// writing one key gives every other line back byte for byte. A line's
// meaning is read without one carriage return at its end.
ProfileDocument::ProfileDocument(const std::string& text) : lastTerminated_(text.empty() || text.back() == '\n') {
    if (text.find("\r\n") != std::string::npos) lineEnd_ = "\r\n";
    lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines_.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view ProfileDocument::Line(std::size_t index) const {
    std::string_view raw = lines_[index];
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    return raw;
}

std::string ProfileDocument::RawLine(const std::string& line) const {
    return lineEnd_ == "\r\n" ? line + "\r" : line;
}

// A last line without a line end gets one before anything follows it. After
// a carriage return only a line feed is added: the return then ends the line
// as it did at the end of the file, and the line reads as before.
void ProfileDocument::TerminateLastLine() {
    if (lastTerminated_) return;
    lastTerminated_ = true;
    std::string& last = lines_.back();
    if (lineEnd_ == "\r\n" && (last.empty() || last.back() != '\r')) last += '\r';
}

// The first section of that name and where its key lines end; later
// sections of the same name are not read.
ProfileDocument::SectionIndex ProfileDocument::LocateSection(const std::string& section) const {
    SectionIndex found;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(Line(i));
        if (!name || !SameName(*name, section)) continue;
        found.present = true;
        found.location = {i, i + 1};
        for (std::size_t j = i + 1; j < lines_.size() && !SectionName(Line(j)); ++j)
            if (KeyName(Line(j))) found.location.endLine = j + 1;
        break;
    }
    return found;
}

void ProfileDocument::IndexKeys(SectionIndex& section) const {
    for (std::size_t i = section.location.sectionLine + 1; i < section.location.endLine; ++i)
        if (const auto name = KeyName(Line(i))) section.keys.emplace_back(NameHash(*name), i);
    std::sort(section.keys.begin(), section.keys.end());
    section.keysIndexed = true;
}

void ProfileDocument::AddKey(SectionIndex& section, std::string_view name, std::size_t line) {
    const std::pair<std::size_t, std::size_t> entry(NameHash(name), line);
    section.keys.insert(std::lower_bound(section.keys.begin(), section.keys.end(), entry), entry);
}

// Missing sections are remembered too, until a write adds them.
ProfileDocument::SectionIndex* ProfileDocument::FindSection(const std::string& section) const {
    const std::string name = Lower(section);
    auto found = sections_.find(name);
    if (found == sections_.end()) found = sections_.emplace(name, LocateSection(section)).first;
    return found->second.present ? &found->second : nullptr;
}

std::optional<std::size_t> ProfileDocument::FindKey(SectionIndex& section, const std::string& key) const {
    if (!section.keysIndexed) IndexKeys(section);
    const std::size_t hash = NameHash(key);
    auto entry = std::lower_bound(section.keys.begin(), section.keys.end(), std::make_pair(hash, std::size_t{0}));
    for (; entry != section.keys.end() && entry->first == hash; ++entry)
        if (SameName(*KeyName(Line(entry->second)), key)) return entry->second;
    return std::nullopt;
}

// Every line from `line` on moved one down.
void ProfileDocument::LineInserted(std::size_t line) {
    for (auto& [name, section] : sections_) {
        if (!section.present) continue;
        if (section.location.sectionLine >= line) ++section.location.sectionLine;
        if (section.location.endLine >= line) ++section.location.endLine;
        for (auto& [hash, keyLine] : section.keys)
            if (keyLine >= line) ++keyLine;
    }
}

std::optional<std::string> ProfileDocument::Value(const std::string& section, const std::string& key) const {
    SectionIndex* location = FindSection(section);
    if (location == nullptr) return std::nullopt;
    const auto line = FindKey(*location, key);
    if (!line) return std::nullopt;
    const std::string_view text = Line(*line);
    return std::string(Unquoted(Trim(text.substr(text.find('=') + 1))));
}

void ProfileDocument::SetValue(const std::string& section, const std::string& key, const std::string& value) {
    const std::string keyLine = RawLine(key + "=" + value);
    SectionIndex* location = FindSection(section);
    if (location != nullptr) {
        if (const auto line = FindKey(*location, key)) {
            lines_[*line] = keyLine;
            if (*line + 1 == lines_.size()) lastTerminated_ = true;
            return;
        }
    }
    if (!lines_.empty()) TerminateLastLine();
    if (location == nullptr) {
        const std::size_t header = lines_.size();
        lines_.push_back(RawLine("[" + section + "]"));
        lines_.push_back(keyLine);
        SectionIndex& added = sections_[Lower(section)];
        added = SectionIndex{true, {header, header + 2}, true, {}};
        AddKey(added, key, header + 1);
        return;
    }
    const std::size_t line = location->location.endLine;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(line), keyLine);
    LineInserted(line);
    location->location.endLine = line + 1;
    AddKey(*location, key, line);
}

std::string ProfileDocument::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || lastTerminated_) text += '\n';
    }
    return text;
}

}  // namespace os
