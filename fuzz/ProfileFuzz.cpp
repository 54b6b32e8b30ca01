// The profile-file parser: any file text, then a write of one key. The
// written key must read back as written (values without surrounding blanks,
// quotes or line breaks), and every other key must read as before.
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "os/files/ProfileDocument.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool IsPlain(const std::string& text) {
    if (text.empty() || text.find_first_of("\r\n=[];\"'") != std::string::npos) return false;
    return text.front() != ' ' && text.front() != '\t' && text.back() != ' ' && text.back() != '\t';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string section = input.Text();
    const std::string key = input.Text();
    const std::string value = input.Text();
    const std::string other = input.Text();
    const std::string file(input.Rest());

    os::ProfileDocument document(file);
    const std::optional<std::string> otherBefore = document.Value(section, other);
    document.SetValue(section, key, value);
    const os::ProfileDocument reread(document.Text());
    if (!IsPlain(section) || !IsPlain(key) || !IsPlain(value) || !IsPlain(other)) return 0;
    if (reread.Value(section, key) != value) std::abort();
    if (!SameName(other, key) && reread.Value(section, other) != otherBefore) std::abort();
    return 0;
}
