// Saves a form's settings through the real file store over and over until it is killed. Every key of
// a save carries the save's number at both ends of its value; a new process goes on from the number
// the file holds. With "--start" it only starts (reads the file, as the program's start-up does) and
// ends.
#include <string>
#include <string_view>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/linux/system/file_store.h"
#include "settings/form_storage.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/core/application.h"
#include "toolkit/core/form.h"

using namespace lumaro;

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--start")) return 2;
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  toolkit::Application app(loop, messageBox);
  toolkit::Form form(nullptr, app);
  platform::linuxos::LinuxFileStore files;
  std::vector<toolkit::ComboBox*> boxes;
  auto& storage = form.create<settings::TFormStorage>(files, ".");
  for (int i = 0; i < 27; ++i) {
    boxes.push_back(&form.create<toolkit::ComboBox>());
    boxes.back()->setName("Key" + std::to_string(i));
    storage.StoredProps.push_back(boxes.back()->name() + ".Text");
  }
  storage.IniFileName = argv[1];
  storage.Active = false;  // saves without a load
  storage.Loaded();

  const std::string first = storage.ReadSetting("Key0_Text", "0");
  if (argc == 3) return 0;
  const std::string payload(300, 'x');
  for (long save = std::stol(first.substr(0, first.find(':'))) + 1;; ++save) {
    for (auto* box : boxes) box->setText(std::to_string(save) + ':' + payload + ':' + std::to_string(save));
    storage.SaveStoredSettings();
  }
}
