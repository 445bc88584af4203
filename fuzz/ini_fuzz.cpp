// The INI reader and writer on arbitrary file bytes: nothing crashes, a written value reads back as
// the read rules give it, other keys keep their values, and writing is stable.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "backends/fake/fake_file_store.h"
#include "settings/cp1252.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"

using namespace lumaro;

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// What reading gives back for a written value.
std::string asRead(std::string value) {
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const auto first = value.find_first_not_of(" \t");
  value = first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(" \t") - first + 1);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  // The last line of the input is the value to write, the rest the file.
  const auto split = input.rfind('\n');
  const std::string file = split == std::string::npos ? input : input.substr(0, split);
  const std::string value = split == std::string::npos ? "" : input.substr(split + 1);

  require(settings::utf8ToCp1252(settings::cp1252ToUtf8(file)) == file);

  settings::IniDocument document(file);
  const auto version = document.value("TfrmPrincipal", "FormVersion");
  const auto other = document.value("Other", "ICONE");
  document.set("TfrmPrincipal", "ICONE", value);
  require(document.value("TfrmPrincipal", "ICONE") == asRead(value));
  require(document.value("TfrmPrincipal", "FormVersion") == version);
  require(document.value("Other", "ICONE") == other);
  const std::string written = document.bytes();
  require(settings::IniDocument(written).bytes() == written);

  platform::fake::FakeFileStore store;
  store.files["/f.ini"] = file;
  const settings::IniFile ini(store, "/f.ini");
  require(ini.readString("tfrmprincipal", "icone", "").size() <= 3 * settings::IniFile::kMaxValueLength);
  ini.readInteger("TfrmPrincipal", "FormVersion", 0);
  // Deleting removes one line at most (a second line of the same key may come to light).
  const auto lines = [](const std::string& bytes) { return std::count(bytes.begin(), bytes.end(), '\n'); };
  const auto before = lines(settings::IniDocument(file).bytes());
  ini.deleteKey("TfrmPrincipal", "ICONE");
  const auto after = lines(settings::IniDocument(store.files["/f.ini"]).bytes());
  require(after == before || after == before - 1);
  return 0;
}
