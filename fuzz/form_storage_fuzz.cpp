// The settings load on an arbitrary file: nothing crashes, every control stays within its range, and
// what a save writes loads back to the same values.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_file_store.h"
#include "backends/fake/fake_system.h"
#include "settings/form_storage.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"
#include "toolkit/core/application.h"

using namespace lumaro;
using namespace lumaro::toolkit;

namespace {

constexpr const char* kPath = "/opt/lumaro/Lumaro.ini";

void require(bool condition) {
  if (!condition) std::abort();
}

// A window with one control of every stored kind, loaded from `files`.
struct Window {
  explicit Window(platform::FileStore& files) : storage(form.create<settings::TFormStorage>(files, ",")) {
    auto place = [this](Control& control, const char* name) {
      control.setName(name);
      control.setParent(&form);
    };
    place(box, "chkboxCache");
    place(first, "RadioButton1");
    place(second, "RadioButton2");
    place(bar, "TrkBarPageBuffers");
    place(spin, "RxSpinAutoRecoverTime");
    place(combo, "cbHotKey");
    second.setChecked(true);
    bar.setMax(32);
    bar.setMin(1);
    spin.setRange(1, 360);
    spin.setValue(90);
    combo.setText("Ctrl+Alt+M");
    storage.IniFileName = kPath;
    storage.StoredProps = {"chkboxCache.Checked",         "RadioButton1.Checked",
                           "RadioButton2.Checked",        "TrkBarPageBuffers.Position",
                           "RxSpinAutoRecoverTime.Value", "cbHotKey.Text"};
    storage.Loaded();
    storage.LoadStoredSettings();
  }

  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  Application app{loop, messageBox};
  Form form{nullptr, app};
  CheckBox& box = form.create<CheckBox>();
  RadioButton& first = form.create<RadioButton>();
  RadioButton& second = form.create<RadioButton>();
  TrackBar& bar = form.create<TrackBar>();
  SpinEdit& spin = form.create<SpinEdit>();
  ComboBox& combo = form.create<ComboBox>();
  settings::TFormStorage& storage;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::fake::FakeFileStore files;
  files.files[kPath] = std::string(reinterpret_cast<const char*>(data), size);
  Window loaded(files);
  require(loaded.bar.position() >= 1 && loaded.bar.position() <= 32);
  require(std::isfinite(loaded.spin.value()) && loaded.spin.value() >= 1 && loaded.spin.value() <= 360);
  require(!(loaded.first.checked() && loaded.second.checked()));
  loaded.storage.SaveStoredSettings();

  Window again(files);
  require(again.box.checked() == loaded.box.checked());
  require(again.first.checked() == loaded.first.checked());
  require(again.second.checked() == loaded.second.checked());
  require(again.bar.position() == loaded.bar.position());
  require(again.spin.value() == loaded.spin.value());
  require(again.combo.text() == loaded.combo.text());
  return 0;
}
