#include "backends/win32/desktop/carried_document.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "backends/win32/system/atomic_file_write.h"

namespace lumaro::platform::win32 {

std::optional<std::filesystem::path> carriedDocumentCopy(const std::wstring& fileName) {
  std::wstring name = fileName;
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towupper(c); });
  const HRSRC found = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  wchar_t temporary[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
  if (length == 0 || length > MAX_PATH) return std::nullopt;
  const std::filesystem::path copy = std::filesystem::path(temporary) / L"Lumaro" / fileName;
  // Written again at every opening: the copy is this program's, even after another version's.
  if (!writeFileAtomically(copy, {static_cast<const char*>(bytes), SizeofResource(nullptr, found)}))
    return std::nullopt;
  return copy;
}

}  // namespace lumaro::platform::win32
