#pragma once

#include <optional>
#include <string>

namespace os {

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content in one step: the bytes go into a temporary
// file in the same folder, which is flushed to disk and then renamed over
// the file. Until the rename the previous file stays whole; on any failure
// it is left as it was and the temporary file is removed. An existing file
// that the user may not write is not replaced. Returns false on failure.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace os
