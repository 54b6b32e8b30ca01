#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

// The words of a printed PDF file, page by page, as pdftotext reads them in
// their physical layout (so that one table row stays one line).
class PrintedText {
public:
    explicit PrintedText(const std::string& pdfPath) {
        std::string text;
        FILE* pipe = ::popen(("pdftotext -layout '" + pdfPath + "' - 2>/dev/null").c_str(), "r");
        if (pipe == nullptr) return;
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, n);
        readable_ = ::pclose(pipe) == 0;
        std::string page;
        std::istringstream pages(text);
        while (std::getline(pages, page, '\f')) {
            if (page.find_first_not_of(" \n") != std::string::npos) pages_.push_back(Words(page));
        }
    }

    bool Readable() const { return readable_; }
    const std::vector<std::vector<std::string>>& Pages() const { return pages_; }

    // How often the words appear one after another, over all pages.
    std::size_t Count(const std::vector<std::string>& sequence) const {
        std::size_t count = 0;
        for (const auto& words : pages_) count += CountIn(words, sequence);
        return count;
    }
    // Whether a page's words begin with the sequence.
    static bool StartsWith(const std::vector<std::string>& words, const std::vector<std::string>& sequence) {
        return words.size() >= sequence.size() && std::equal(sequence.begin(), sequence.end(), words.begin());
    }
    static std::vector<std::string> Words(const std::string& text) {
        std::vector<std::string> words;
        std::istringstream in(text);
        for (std::string word; in >> word;) words.push_back(word);
        return words;
    }
    static std::size_t CountIn(const std::vector<std::string>& words, const std::vector<std::string>& sequence) {
        if (sequence.empty() || words.size() < sequence.size()) return 0;
        std::size_t count = 0;
        for (std::size_t at = 0; at + sequence.size() <= words.size(); ++at) {
            if (std::equal(sequence.begin(), sequence.end(), words.begin() + static_cast<std::ptrdiff_t>(at))) ++count;
        }
        return count;
    }

private:
    bool readable_ = false;
    std::vector<std::vector<std::string>> pages_;
};
