#include "settings/form_storage.h"

#include <algorithm>

#include "settings/published_property.h"
#include "settings/value_text.h"
#include "toolkit/core/application.h"
#include "toolkit/core/control.h"
#include "toolkit/drawing/text.h"

namespace lumaro::settings {

using namespace toolkit;

namespace {

constexpr const char* kVersionKey = "FormVersion";
constexpr const char* kActiveControlKey = "ActiveControl";

std::string keyOf(const Component& component, const PublishedProperty& property) {
  return component.name() + '_' + property.name();
}

}  // namespace

TFormStorage::TFormStorage(Component* owner, platform::FileStore& files, std::string decimalSeparator)
    : Component(owner),
      form_(dynamic_cast<Form&>(*owner)),
      files_(files),
      decimalSeparator_(std::move(decimalSeparator)) {}

void TFormStorage::Loaded() {
  entries_.clear();
  std::vector<std::string> resolved;
  for (const std::string& item : StoredProps) {
    const auto dot = item.find('.');
    if (dot == std::string::npos) continue;
    const std::string componentName = trimText(std::string_view(item).substr(0, dot));
    const std::string property = trimText(std::string_view(item).substr(dot + 1));
    Component* component = componentName.empty() ? nullptr : form_.findComponent(componentName);
    if (component == nullptr || property.empty()) continue;
    entries_.push_back(Entry{component, property, false});
    resolved.push_back(item);
  }
  StoredProps = std::move(resolved);
  chainNotifications();
}

void TFormStorage::chainNotifications() {
  auto ownShow = form_.OnShow.handler();
  form_.OnShow = [this, ownShow](Component& sender) {
    if (Active) form_.application().guarded([this] { LoadStoredSettings(); });
    if (ownShow) ownShow(sender);
  };
  auto ownCloseQuery = form_.OnCloseQuery.handler();
  form_.OnCloseQuery = [this, ownCloseQuery](Component& sender, bool& canClose) {
    if (ownCloseQuery) ownCloseQuery(sender, canClose);
    if (canClose && Active) form_.application().guarded([this] { SaveStoredSettings(); });
  };
  auto ownDestroy = form_.OnDestroy.handler();
  form_.OnDestroy = [this, ownDestroy](Component& sender) {
    if (Active && !savedSinceLoad_) form_.application().guarded([this] { SaveStoredSettings(); });
    if (ownDestroy) ownDestroy(sender);
  };
}

std::string TFormStorage::section() const {
  return IniSection.empty() ? form_.className() : IniSection;
}

std::string TFormStorage::ReadSetting(const std::string& ident, const std::string& defaultValue) const {
  return file().readString(section(), ident, defaultValue);
}

void TFormStorage::WriteSetting(const std::string& ident, const std::string& value) const {
  file().writeString(section(), ident, quotedForStore(trimText(value)));
}

void TFormStorage::HoldBack(const std::vector<std::string>& props) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (std::ranges::find(props, StoredProps[i]) != props.end()) entries_[i].heldBack = true;
  }
}

bool TFormStorage::HoldsBack() const {
  return std::ranges::any_of(entries_, &Entry::heldBack);
}

void TFormStorage::ReleaseHeldBack(const std::function<bool(const Component&)>& apply) {
  const IniFile ini = file();
  const std::string section = this->section();
  const bool applies = restored_ && appliesStoredValues(ini, section);
  for (Entry& entry : entries_) {
    if (!entry.heldBack) continue;
    entry.heldBack = false;
    if (applies && apply(*entry.component)) loadEntry(ini, section, entry);
  }
}

bool TFormStorage::appliesStoredValues(const IniFile& ini, const std::string& section) const {
  return ini.readInteger(section, kVersionKey, 0) >= Version;
}

void TFormStorage::LoadStoredSettings() {
  savedSinceLoad_ = false;
  const IniFile ini = file();
  const std::string section = this->section();
  // Restored even when the stored version is too old, so that the next save replaces it.
  restored_ = true;
  if (!appliesStoredValues(ini, section)) return;
  for (const Entry& entry : entries_) {
    if (!entry.heldBack) loadEntry(ini, section, entry);
  }
  if (Options & fpActiveControl) restoreActiveControl(ini, section);
}

void TFormStorage::loadEntry(const IniFile& ini, const std::string& section, const Entry& entry) const {
  // One entry's failure (a handler that raised, a value that cannot be read) is not the load's: the
  // next entry follows, and only the session log hears of it, so that a setting the system refuses
  // does not hold every start in the error handler.
  const std::string what =
      "Stored setting " + entry.component->name() + '.' + entry.property + " not applied";
  form_.application().ignoringErrors(what, [&] {
    const auto property = PublishedProperty::find(*entry.component, entry.property, decimalSeparator_);
    if (!property) return;
    property->assign(trimText(ini.readString(section, keyOf(*entry.component, *property), property->text())));
  });
}

void TFormStorage::restoreActiveControl(const IniFile& ini, const std::string& section) const {
  const std::string name = ini.readString(section, kActiveControlKey, "");
  if (name.empty()) return;
  auto* control = dynamic_cast<Control*>(form_.findComponent(name));
  if (control != nullptr && control->canFocus()) form_.setFocus(control);
}

void TFormStorage::SaveStoredSettings() {
  if (!restored_ && Active) return;
  // Every key of one save goes into the file in one replacement, so that no crash can leave keys of
  // two different saves side by side.
  IniFile::Values values{{kVersionKey, intToStr(Version)}};
  if ((Options & fpActiveControl) && form_.activeControl() != nullptr) {
    values.emplace_back(kActiveControlKey, form_.activeControl()->name());
  }
  for (const Entry& entry : entries_) {
    if (entry.heldBack) continue;
    const auto property = PublishedProperty::find(*entry.component, entry.property, decimalSeparator_);
    if (!property) continue;
    const std::string text = trimText(property->text());
    if (text.empty() && property->type() != PublishedProperty::Type::String) continue;
    values.emplace_back(keyOf(*entry.component, *property), quotedForStore(text));
  }
  file().writeStrings(section(), values);
  savedSinceLoad_ = true;
}

}  // namespace lumaro::settings
