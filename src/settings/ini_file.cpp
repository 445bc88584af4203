#include "settings/ini_file.h"

#include "settings/cp1252.h"
#include "settings/ini_document.h"
#include "settings/value_text.h"
#include "toolkit/core/error.h"

namespace lumaro::settings {

using platform::FileStore;

IniFile::IniFile(FileStore& files, std::string path) : files_(files), path_(std::move(path)) {}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  FileStore::Content content = files_.read(path_);
  if (content.status != FileStore::ReadStatus::Read) return std::string(defaultValue);
  auto value = IniDocument(std::move(content.bytes)).value(utf8ToCp1252(section), utf8ToCp1252(key));
  if (!value) return std::string(defaultValue);
  if (value->size() > kMaxValueLength) value->resize(kMaxValueLength);
  return cp1252ToUtf8(*value);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
  return parseProfileInteger(readString(section, key, "")).value_or(defaultValue);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) const {
  writeStrings(section, {{std::string(key), std::string(value)}});
}

void IniFile::writeStrings(std::string_view section, const Values& values) const {
  FileStore::Content content = files_.read(path_);
  if (content.status == FileStore::ReadStatus::Failed) throw toolkit::Error("Unable to read " + path_);
  IniDocument document(std::move(content.bytes));
  const std::string fileSection = utf8ToCp1252(section);
  for (const auto& [key, value] : values) document.set(fileSection, utf8ToCp1252(key), utf8ToCp1252(value));
  if (!files_.write(path_, document.bytes())) writeFailed();
}

void IniFile::deleteKey(std::string_view section, std::string_view key) const {
  FileStore::Content content = files_.read(path_);
  if (content.status != FileStore::ReadStatus::Read) return;
  IniDocument document(std::move(content.bytes));
  if (!document.remove(utf8ToCp1252(section), utf8ToCp1252(key))) return;
  if (!files_.write(path_, document.bytes())) writeFailed();
}

void IniFile::writeFailed() const {
  throw toolkit::Error("Unable to write to " + path_);
}

}  // namespace lumaro::settings
