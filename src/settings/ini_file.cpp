#include "settings/ini_file.h"

#include "settings/ini_document.h"
#include "settings/text_encoding.h"
#include "settings/value_text.h"
#include "toolkit/core/error.h"

namespace lumaro::settings {

using platform::FileStore;

namespace {

// A file's lines in the encoding the file was found in (a missing file is code-page text), with the
// names and values converted to and from it; the file's bytes come back in that encoding.
class EncodedDocument {
 public:
  EncodedDocument(FileStore& files, std::string bytes)
      : files_(files),
        decoded_(decodeText(std::move(bytes))),
        document_(std::move(decoded_.text),
                  inCodePage() ? IniDocument::Names::CodePage : IniDocument::Names::Utf8) {}

  std::optional<std::string> value(std::string_view section, std::string_view key) const {
    std::optional<std::string> value = document_.value(toFile(section), toFile(key));
    if (!value) return std::nullopt;
    cut(*value);
    return inCodePage() ? files_.fromCodePage(*value) : *value;
  }
  void set(std::string_view section, std::string_view key, std::string_view value) {
    document_.set(toFile(section), toFile(key), toFile(value));
  }
  bool remove(std::string_view section, std::string_view key) {
    return document_.remove(toFile(section), toFile(key));
  }
  std::string bytes() {
    decoded_.text = document_.bytes();
    return encodeText(decoded_);
  }

 private:
  bool inCodePage() const { return decoded_.encoding == TextEncoding::CodePage; }
  std::string toFile(std::string_view text) const {
    return inCodePage() ? files_.toCodePage(text) : std::string(text);
  }
  // At most kMaxValueLength bytes, and in UTF-8 no character cut in two.
  void cut(std::string& value) const {
    if (value.size() <= IniFile::kMaxValueLength) return;
    std::size_t end = IniFile::kMaxValueLength;
    while (!inCodePage() && end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
    value.resize(end);
  }

  FileStore& files_;
  DecodedText decoded_;
  IniDocument document_;
};

}  // namespace

IniFile::IniFile(FileStore& files, std::string path) : files_(files), path_(std::move(path)) {}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  FileStore::Content content = files_.read(path_);
  if (content.status != FileStore::ReadStatus::Read) return std::string(defaultValue);
  return EncodedDocument(files_, std::move(content.bytes))
      .value(section, key)
      .value_or(std::string(defaultValue));
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
  EncodedDocument document(files_, std::move(content.bytes));
  for (const auto& [key, value] : values) document.set(section, key, value);
  if (!files_.write(path_, document.bytes())) writeFailed();
}

void IniFile::deleteKey(std::string_view section, std::string_view key) const {
  FileStore::Content content = files_.read(path_);
  if (content.status != FileStore::ReadStatus::Read) return;
  EncodedDocument document(files_, std::move(content.bytes));
  if (!document.remove(section, key)) return;
  if (!files_.write(path_, document.bytes())) writeFailed();
}

void IniFile::writeFailed() const {
  throw toolkit::Error("Unable to write to " + path_);
}

}  // namespace lumaro::settings
