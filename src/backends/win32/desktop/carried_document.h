#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace lumaro::platform::win32 {

// A document the executable carries in its resources (type RCDATA, named after the file in capitals,
// "LUMARO.HTML"), written to "Lumaro" in the user's temporary folder so that a viewer can open it: the
// copy's path, or nothing when the executable carries no such document or the copy cannot be written.
// A program copied alone into any folder still has its help this way.
std::optional<std::filesystem::path> carriedDocumentCopy(const std::wstring& fileName);

}  // namespace lumaro::platform::win32
