#include "os/drawing/TextLayout.h"

namespace os {

namespace {

constexpr std::string_view Ellipsis = "...";
constexpr UINT WordBreak = 0x10;
constexpr UINT SingleLine = 0x20;
constexpr UINT PathEllipsis = 0x4000;
constexpr UINT EndEllipsis = 0x8000;
constexpr UINT WordEllipsis = 0x40000;

// Byte offsets where UTF-8 characters start, and the text's end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// The length of the longest start of head that fits width when tail
// follows it, cut between characters.
std::size_t FittingLength(std::string_view head, std::string_view tail, int width, const MeasureText& measure) {
    const std::vector<std::size_t> starts = CharacterStarts(head);
    std::size_t low = 0;
    std::size_t high = starts.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        std::string candidate(head.substr(0, starts[middle]));
        candidate.append(tail);
        if (measure(candidate) <= width) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return starts[low];
}

std::vector<std::string_view> Paragraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

std::string Flattened(std::string_view text) {
    std::string flat(text);
    for (char& c : flat) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return flat;
}

void WrapParagraph(std::string_view paragraph, int width, const MeasureText& measure, std::vector<std::string>& lines) {
    std::string line;
    std::size_t position = 0;
    while (position < paragraph.size()) {
        const std::size_t wordStart = paragraph.find_first_not_of(' ', position);
        if (wordStart == std::string_view::npos) break;
        std::size_t wordEnd = paragraph.find(' ', wordStart);
        if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
        std::string candidate = line;
        candidate.append(paragraph.substr(line.empty() ? wordStart : position, wordEnd - (line.empty() ? wordStart : position)));
        if (line.empty() || measure(candidate) <= width) {
            line = std::move(candidate);
        } else {
            lines.push_back(std::move(line));
            line = std::string(paragraph.substr(wordStart, wordEnd - wordStart));
        }
        position = wordEnd;
    }
    lines.push_back(std::move(line));
}

std::string Shortened(std::string line, int width, UINT format, const MeasureText& measure) {
    if ((format & (PathEllipsis | EndEllipsis | WordEllipsis)) == 0 || measure(line) <= width) return line;
    return (format & PathEllipsis) != 0 ? ElidePath(line, width, measure) : ElideEnd(line, width, measure);
}

}  // namespace

std::string ElideEnd(std::string_view text, int width, const MeasureText& measure) {
    if (measure(text) <= width) return std::string(text);
    std::string shown(text.substr(0, FittingLength(text, Ellipsis, width, measure)));
    shown.append(Ellipsis);
    return shown;
}

std::string ElidePath(std::string_view text, int width, const MeasureText& measure) {
    if (measure(text) <= width) return std::string(text);
    const std::size_t separator = text.find_last_of("\\/");
    if (separator == std::string_view::npos || separator == 0) return ElideEnd(text, width, measure);
    std::string tail(Ellipsis);
    tail.append(text.substr(separator));
    if (measure(tail) > width) return ElideEnd(tail, width, measure);
    const std::string_view head = text.substr(0, separator);
    std::string shown(head.substr(0, FittingLength(head, tail, width, measure)));
    shown.append(tail);
    return shown;
}

std::string StripPrefix(std::string_view text) {
    std::string stripped;
    stripped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 >= text.size()) break;
            ++i;
        }
        stripped.push_back(text[i]);
    }
    return stripped;
}

std::vector<TextLine> LayoutText(std::string_view text, int width, UINT format, const MeasureText& measure) {
    std::vector<std::string> raw;
    if ((format & SingleLine) != 0) {
        raw.push_back(Flattened(text));
    } else {
        for (std::string_view paragraph : Paragraphs(text)) {
            if ((format & WordBreak) != 0) {
                WrapParagraph(paragraph, width, measure, raw);
            } else {
                raw.emplace_back(paragraph);
            }
        }
    }
    std::vector<TextLine> lines;
    lines.reserve(raw.size());
    for (std::string& line : raw) {
        std::string shown = Shortened(std::move(line), width, format, measure);
        const int shownWidth = measure(shown);
        lines.push_back({std::move(shown), shownWidth});
    }
    return lines;
}

}  // namespace os
