#include "os/files/ProfileFiles.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "os/files/AtomicFile.h"
#include "os/files/FileStamp.h"
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

ProfileDocument Parse(const std::string& fileName) {
    auto bytes = ReadWholeFile(fileName);
    if (!bytes) return ProfileDocument(std::string());
    if (!IsValidUtf8(*bytes)) *bytes = Latin1ToUtf8(*bytes);
    return ProfileDocument(*bytes);
}

// The file as last parsed, while it is known to be the same file with the
// same content (see FileStamp.h); a bloated file is then parsed once, not
// once for every key. Our own writes drop the entry, so that a value
// written is seen by the next read.
struct ParsedFile {
    FileStamp stamp;
    std::shared_ptr<const ProfileDocument> document;
};

std::map<std::string, ParsedFile>& ParsedFiles() {
    static std::map<std::string, ParsedFile> files;
    return files;
}

std::shared_ptr<const ProfileDocument> ReadDocument(const std::string& fileName) {
    const auto stamp = StampOf(fileName);
    auto& files = ParsedFiles();
    const auto cached = files.find(fileName);
    if (stamp && cached != files.end() && cached->second.stamp == *stamp) return cached->second.document;
    if (cached != files.end()) files.erase(cached);
    // The stamp is taken before the file is read: a change while it is read
    // gives a newer stamp next time, so the content is read again.
    auto document = std::make_shared<const ProfileDocument>(Parse(fileName));
    if (stamp && stamp->settled) files[fileName] = ParsedFile{*stamp, document};
    return document;
}

void ForgetParsed(const std::string& fileName) { ParsedFiles().erase(fileName); }

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

std::optional<std::string> StoredValue(const std::string& fileName, const std::string& section,
                                       const std::string& key) {
    if (const ProfileDocument* batched = BatchedDocument(fileName)) return batched->Value(section, key);
    return ReadDocument(fileName)->Value(section, key);
}

}  // namespace

DWORD GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              char* buffer, DWORD size, const std::string& fileName) {
    if (buffer == nullptr || size == 0) return 0;
    const auto found = StoredValue(fileName, section, key);
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
    ProfileDocument document = *ReadDocument(fileName);
    document.SetValue(section, key, value);
    ForgetParsed(fileName);
    return ReplaceFileContents(fileName, document.Text());
}

ProfileWriteBatch::ProfileWriteBatch(const std::string& fileName) {
    Batch().emplace(OpenBatch{fileName, *ReadDocument(fileName)});
}

ProfileWriteBatch::~ProfileWriteBatch() { Batch().reset(); }

bool ProfileWriteBatch::Commit() {
    auto& batch = Batch();
    if (!batch || batch->fileName.empty()) return false;
    ForgetParsed(batch->fileName);
    return ReplaceFileContents(batch->fileName, batch->document.Text());
}

}  // namespace os
