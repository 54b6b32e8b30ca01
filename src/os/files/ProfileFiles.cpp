#include "os/files/ProfileFiles.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "os/files/AtomicFile.h"
#include "os/files/ProfileDocument.h"
#include "os/files/TextEncoding.h"

namespace os {

namespace {

// Cuts a text to at most `limit` bytes without splitting a UTF-8 sequence.
std::size_t CutLength(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return length;
}

ProfileDocument ReadDocument(const std::string& fileName) {
    const auto bytes = ReadWholeFile(fileName);
    return ProfileDocument(bytes ? TextAsUtf8(*bytes) : std::string());
}

struct OpenBatch {
    std::string fileName;
    ProfileDocument document;
};

std::optional<OpenBatch>& Batch() {
    static std::optional<OpenBatch> batch;
    return batch;
}

ProfileDocument* BatchedDocument(const std::string& fileName) {
    auto& batch = Batch();
    return batch && batch->fileName == fileName ? &batch->document : nullptr;
}

ProfileDocument LoadDocument(const std::string& fileName) {
    if (const ProfileDocument* batched = BatchedDocument(fileName)) return *batched;
    return ReadDocument(fileName);
}

}  // namespace

DWORD GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              char* buffer, DWORD size, const std::string& fileName) {
    if (buffer == nullptr || size == 0) return 0;
    const auto found = LoadDocument(fileName).Value(section, key);
    const std::string& value = found ? *found : defaultValue;
    const std::size_t length = CutLength(value, size - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName) {
    if (fileName.empty() || section.empty() || key.empty()) return false;
    if (ProfileDocument* batched = BatchedDocument(fileName)) {
        batched->SetValue(section, key, value);
        return true;
    }
    ProfileDocument document = ReadDocument(fileName);
    document.SetValue(section, key, value);
    return ReplaceFileContents(fileName, document.Text());
}

ProfileWriteBatch::ProfileWriteBatch(const std::string& fileName) {
    Batch().emplace(OpenBatch{fileName, ReadDocument(fileName)});
}

ProfileWriteBatch::~ProfileWriteBatch() { Batch().reset(); }

bool ProfileWriteBatch::Commit() {
    auto& batch = Batch();
    return batch && !batch->fileName.empty() && ReplaceFileContents(batch->fileName, batch->document.Text());
}

}  // namespace os
