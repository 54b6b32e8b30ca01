#include "os/files/ProfileDocument.h"

#include <algorithm>
#include <cctype>

namespace os {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> SectionName(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    return Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

bool IsComment(const std::string& line) {
    const std::string trimmed = Trim(line);
    return !trimmed.empty() && trimmed.front() == ';';
}

std::optional<std::string> KeyName(const std::string& line) {
    const auto equals = line.find('=');
    if (equals == std::string::npos || IsComment(line)) return std::nullopt;
    return Trim(line.substr(0, equals));
}

// A value in matching double or single quotes is read without them.
std::string Unquoted(const std::string& value) {
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
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines_.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string ProfileDocument::Line(std::size_t index) const {
    const std::string& raw = lines_[index];
    if (!raw.empty() && raw.back() == '\r') return raw.substr(0, raw.size() - 1);
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

std::optional<ProfileDocument::Location> ProfileDocument::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(Line(i));
        if (!name || !SameName(*name, section)) continue;
        Location location{i, i + 1};
        for (std::size_t j = i + 1; j < lines_.size() && !SectionName(Line(j)); ++j) {
            if (KeyName(Line(j))) location.endLine = j + 1;
        }
        return location;
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::FindKey(const Location& location, const std::string& key) const {
    for (std::size_t i = location.sectionLine + 1; i < location.endLine; ++i) {
        const auto name = KeyName(Line(i));
        if (name && SameName(*name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::Value(const std::string& section, const std::string& key) const {
    const auto location = FindSection(section);
    if (!location) return std::nullopt;
    const auto line = FindKey(*location, key);
    if (!line) return std::nullopt;
    const std::string text = Line(*line);
    return Unquoted(Trim(text.substr(text.find('=') + 1)));
}

void ProfileDocument::SetValue(const std::string& section, const std::string& key, const std::string& value) {
    const std::string keyLine = RawLine(key + "=" + value);
    const auto location = FindSection(section);
    if (location) {
        if (const auto line = FindKey(*location, key)) {
            lines_[*line] = keyLine;
            if (*line + 1 == lines_.size()) lastTerminated_ = true;
            return;
        }
    }
    if (!lines_.empty()) TerminateLastLine();
    if (!location) {
        lines_.push_back(RawLine("[" + section + "]"));
        lines_.push_back(keyLine);
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(location->endLine), keyLine);
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
