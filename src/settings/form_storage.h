#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/file_store.h"
#include "settings/ini_file.h"
#include "toolkit/core/component.h"
#include "toolkit/core/form.h"

namespace lumaro::settings {

// The settings store of a form: keeps a list of its controls' properties in one section of an INI
// file, applies them when the form is shown and writes them back when the form closes.
class TFormStorage : public toolkit::Component {
 public:
  enum PlacementOption : unsigned { fpActiveControl = 1 };

  // `owner` must be the form whose controls are stored. `decimalSeparator` is the user's, for reading
  // floating values.
  TFormStorage(toolkit::Component* owner, platform::FileStore& files, std::string decimalSeparator);

  std::string IniFileName;
  // Empty means the owning form's class name.
  std::string IniSection;
  // While true, a show of the form loads and an accepted close saves.
  bool Active = true;
  // Written as "FormVersion"; a stored version below it keeps the load from applying anything.
  int Version = 0;
  unsigned Options = fpActiveControl;
  // "component.property" entries, in the order of writing and of applying.
  std::vector<std::string> StoredProps;

  // The form has finished loading its definition: resolves StoredProps against its components
  // (dropping entries that name none) and chains the store in front of the form's show, close-query
  // and destroy notifications, keeping the form's own handlers.
  void Loaded();

  // A value of the store's section, read from the file at once.
  std::string ReadSetting(const std::string& ident, const std::string& defaultValue) const;
  // Writes a value of the store's section at once, trimmed and quoted so that it reads back unchanged.
  void WriteSetting(const std::string& ident, const std::string& value) const;

  // Leaves these entries of StoredProps out of loads and saves until ReleaseHeldBack: values the form
  // cannot take yet. Their keys in the file stay as they are meanwhile.
  void HoldBack(const std::vector<std::string>& props);
  bool HoldsBack() const;
  // Applies the stored value of each held-back entry that `apply` accepts, as a load would (nothing
  // when no load has taken place), and saves every held-back entry again from now on.
  void ReleaseHeldBack(const std::function<bool(const toolkit::Component&)>& apply);

  void LoadStoredSettings();
  // Does nothing while Active when nothing was ever loaded, so that a store that never read the file
  // cannot overwrite it with design-time values.
  void SaveStoredSettings();

  bool Restored() const { return restored_; }
  bool SavedSinceLoad() const { return savedSinceLoad_; }

 private:
  struct Entry {
    toolkit::Component* component;
    std::string property;
    bool heldBack = false;
  };

  IniFile file() const { return IniFile(files_, IniFileName); }
  std::string section() const;
  // Whether the stored version lets a load apply anything.
  bool appliesStoredValues(const IniFile& ini, const std::string& section) const;
  void loadEntry(const IniFile& ini, const std::string& section, const Entry& entry) const;
  void restoreActiveControl(const IniFile& ini, const std::string& section) const;
  void chainNotifications();

  toolkit::Form& form_;
  platform::FileStore& files_;
  std::string decimalSeparator_;
  std::vector<Entry> entries_;
  bool restored_ = false;
  bool savedSinceLoad_ = false;
};

}  // namespace lumaro::settings
