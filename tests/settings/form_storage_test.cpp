#include "settings/form_storage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_file_store.h"
#include "backends/fake/fake_system.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/spin_edit.h"
#include "toolkit/controls/track_bar.h"
#include "toolkit/core/application.h"
#include "toolkit/core/error.h"

namespace lumaro::settings {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using namespace toolkit;

constexpr const char* kPath = "/opt/lumaro/Lumaro.ini";

class TfrmTest : public Form {
 public:
  using Form::Form;
  std::string className() const override { return "TfrmTest"; }
};

class FormStorageTest : public ::testing::Test {
 protected:
  FormStorageTest() {
    normal.setChecked(true);
    pages.setMax(32);
    pages.setMin(1);
    period.setRange(1, 360);
    period.setValue(90);
    hotKey.setText("Ctrl+Alt+M");
    cache.OnClick = [this](Component&) { events.push_back("cache " + std::to_string(cache.checked())); };
    slow.OnClick = [this](Component&) { events.emplace_back("slow"); };
    pages.OnChange = [this](Component&) { events.push_back("pages " + std::to_string(pages.position())); };
    period.OnChange = [this](Component&) { events.push_back("period " + std::to_string(period.value())); };
    app.setOnException([this](const std::exception& error) { errors.emplace_back(error.what()); });
    // The form's own handlers, bound before the store chains itself in front of them.
    form.OnShow = [this](Component&) { events.emplace_back("own show"); };
    form.OnCloseQuery = [this](Component&, bool& canClose) { canClose = acceptClose; };
    form.OnDestroy = [this](Component&) { events.emplace_back("own destroy"); };
    storage.IniFileName = kPath;
    storage.StoredProps = {"chkboxCache.Checked",         "RadioButton1.Checked",
                           "RadioButton2.Checked",        "TrkBarPageBuffers.Position",
                           "RxSpinAutoRecoverTime.Value", "cbHotKey.Text"};
    storage.Loaded();
  }

  template <class T>
  T& control(const char* name) {
    T& made = form.create<T>();
    made.setName(name);
    made.setParent(&form);
    return made;
  }
  void given(std::string bytes) { files.files[kPath] = std::move(bytes); }
  const std::string& bytes() { return files.files[kPath]; }

  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  Application app{loop, messageBox};
  platform::fake::FakeFileStore files;
  TfrmTest form{nullptr, app};
  CheckBox& cache = control<CheckBox>("chkboxCache");
  RadioButton& slow = control<RadioButton>("RadioButton1");
  RadioButton& normal = control<RadioButton>("RadioButton2");
  TrackBar& pages = control<TrackBar>("TrkBarPageBuffers");
  SpinEdit& period = control<SpinEdit>("RxSpinAutoRecoverTime");
  ComboBox& hotKey = control<ComboBox>("cbHotKey");
  Label& label = control<Label>("Label1");
  // The comma locale: values are still written with a point.
  TFormStorage& storage = form.create<TFormStorage>(files, ",");
  std::vector<std::string> events;
  std::vector<std::string> errors;
  bool acceptClose = true;
};

TEST_F(FormStorageTest, FirstStartLoadsNothingAndTheSaveWritesTheVersionThenTheListInOrder) {
  storage.LoadStoredSettings();
  EXPECT_TRUE(storage.Restored());
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(files.files.empty());
  period.setValue(2.5);
  storage.SaveStoredSettings();
  EXPECT_EQ(bytes(),
            "[TfrmTest]\r\nFormVersion=0\r\nchkboxCache_Checked=False\r\nRadioButton1_Checked=False\r\n"
            "RadioButton2_Checked=True\r\nTrkBarPageBuffers_Position=1\r\nRxSpinAutoRecoverTime_Value=2.5\r\n"
            "cbHotKey_Text=Ctrl+Alt+M\r\n");
  EXPECT_TRUE(storage.SavedSinceLoad());
}

TEST_F(FormStorageTest, StoredValuesGoThroughTheSettersInListOrder) {
  given(
      "[TfrmTest]\r\nRxSpinAutoRecoverTime_Value=2.5\r\nCHKBOXCACHE_CHECKED=true\r\n"
      "RadioButton1_Checked=True\r\nRadioButton2_Checked=False\r\nTrkBarPageBuffers_Position=7\r\n"
      "cbHotKey_Text=  Shift+Alt+F1  \r\n");
  storage.LoadStoredSettings();
  EXPECT_THAT(events, ElementsAre("cache 1", "slow", "pages 7", "period 2.500000"));
  EXPECT_FALSE(normal.checked());
  EXPECT_EQ(hotKey.text(), "Shift+Alt+F1");
}

TEST_F(FormStorageTest, TextsThatDoNotConvertFollowTheTypeRules) {
  given(
      "[TfrmTest]\r\nchkboxCache_Checked=1\r\nRadioButton1_Checked=yes\r\nTrkBarPageBuffers_Position=abc\r\n"
      "RxSpinAutoRecoverTime_Value=ninety\r\n");
  pages.setPosition(5);
  events.clear();
  storage.LoadStoredSettings();
  EXPECT_FALSE(cache.checked());
  EXPECT_FALSE(slow.checked());
  EXPECT_EQ(pages.position(), 1);  // abc counts as 0, which the bar clamps to its minimum
  EXPECT_EQ(period.value(), 90);
  EXPECT_THAT(events, ElementsAre("pages 1"));
}

TEST_F(FormStorageTest, QuotedTextsReadBackUnchanged) {
  storage.LoadStoredSettings();
  hotKey.setText("\"Ctrl+Alt+M\"");
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), HasSubstr("cbHotKey_Text=\"\"Ctrl+Alt+M\"\"\r\n"));
  hotKey.setText("other");
  storage.LoadStoredSettings();
  EXPECT_EQ(hotKey.text(), "\"Ctrl+Alt+M\"");

  hotKey.setText("");
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), HasSubstr("cbHotKey_Text=\r\n"));  // empty, but a string: written
}

TEST_F(FormStorageTest, AnOlderStoredVersionAppliesNothingYetCountsAsRestored) {
  given("[TfrmTest]\r\nFormVersion=-1\r\nchkboxCache_Checked=True\r\n");
  storage.LoadStoredSettings();
  EXPECT_FALSE(cache.checked());
  EXPECT_TRUE(storage.Restored());
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), StartsWith("[TfrmTest]\r\nFormVersion=0\r\nchkboxCache_Checked=False\r\n"));
}

TEST_F(FormStorageTest, ANeverLoadedStoreSavesNothingWhileActive) {
  storage.SaveStoredSettings();
  EXPECT_TRUE(files.files.empty());
  storage.Active = false;
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), HasSubstr("FormVersion=0"));
}

TEST_F(FormStorageTest, HeldBackEntriesWaitInTheFileUntilReleasedAndAreThenAppliedAndSaved) {
  given(
      "[TfrmTest]\r\nchkboxCache_Checked=True\r\nTrkBarPageBuffers_Position=7\r\n"
      "RxSpinAutoRecoverTime_Value=2.5\r\n");
  storage.HoldBack({"TrkBarPageBuffers.Position", "RxSpinAutoRecoverTime.Value"});
  EXPECT_TRUE(storage.HoldsBack());
  storage.LoadStoredSettings();
  EXPECT_THAT(events, ElementsAre("cache 1"));
  storage.SaveStoredSettings();
  // Their keys stay where they were, with what they held.
  EXPECT_THAT(bytes(), StartsWith("[TfrmTest]\r\nchkboxCache_Checked=True\r\nTrkBarPageBuffers_Position=7\r\n"
                                  "RxSpinAutoRecoverTime_Value=2.5\r\nFormVersion=0\r\n"));

  // Released: the accepted one is loaded through its setter, the other keeps its value; both are saved.
  events.clear();
  storage.ReleaseHeldBack([this](const Component& held) { return &held == &pages; });
  EXPECT_FALSE(storage.HoldsBack());
  EXPECT_THAT(events, ElementsAre("pages 7"));
  EXPECT_EQ(period.value(), 90);
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), HasSubstr("TrkBarPageBuffers_Position=7\r\nRxSpinAutoRecoverTime_Value=90\r\n"));
}

TEST_F(FormStorageTest, ReleasedEntriesApplyNothingWithoutALoadOrUnderAnOlderVersion) {
  given("[TfrmTest]\r\nTrkBarPageBuffers_Position=7\r\n");
  storage.HoldBack({"TrkBarPageBuffers.Position"});
  storage.ReleaseHeldBack([](const Component&) { return true; });
  EXPECT_EQ(pages.position(), 1);

  given("[TfrmTest]\r\nFormVersion=-1\r\nTrkBarPageBuffers_Position=7\r\n");
  storage.HoldBack({"TrkBarPageBuffers.Position"});
  storage.LoadStoredSettings();
  storage.ReleaseHeldBack([](const Component&) { return true; });
  EXPECT_EQ(pages.position(), 1);
  EXPECT_TRUE(events.empty());
}

TEST_F(FormStorageTest, EntriesThatNameNoComponentAreDropped) {
  TFormStorage& other = form.create<TFormStorage>(files, ",");
  other.IniFileName = "/opt/lumaro/other.ini";
  other.StoredProps = {
      "noDot", ".Checked", "chkboxCache.", "Ghost.Checked", " chkboxcache . checked ", "Label1.Caption"};
  other.Loaded();
  EXPECT_THAT(other.StoredProps, ElementsAre(" chkboxcache . checked ", "Label1.Caption"));
  other.LoadStoredSettings();
  other.SaveStoredSettings();
  // The key uses the component's name and the property's declared spelling; Caption is not kept.
  EXPECT_EQ(files.files["/opt/lumaro/other.ini"],
            "[TfrmTest]\r\nFormVersion=0\r\nchkboxCache_Checked=False\r\n");
}

TEST_F(FormStorageTest, AnEntryWhoseHandlerRaisesIsOnlyLoggedAndTheOthersFollow) {
  given("[TfrmTest]\r\nchkboxCache_Checked=True\r\nTrkBarPageBuffers_Position=9\r\n");
  cache.OnClick = [](Component&) { throw Error("Unable to write to C:\\WINDOWS\\system.ini"); };
  storage.LoadStoredSettings();
  EXPECT_TRUE(cache.checked());
  EXPECT_EQ(pages.position(), 9);
  // Not the exception handler's (its pause at every start), but not lost either.
  EXPECT_THAT(errors, ElementsAre());
  ASSERT_EQ(messageBox.notes.size(), 1u);
  EXPECT_THAT(messageBox.notes[0].second, HasSubstr("chkboxCache.Checked"));
  EXPECT_THAT(messageBox.notes[0].second, HasSubstr("Unable to write to C:\\WINDOWS\\system.ini"));

  // The silent abort writes nothing.
  cache.OnClick = [](Component&) {};
  cache.setChecked(false);
  cache.OnClick = [](Component&) { throw Abort(); };
  storage.LoadStoredSettings();
  EXPECT_EQ(messageBox.notes.size(), 1u);
}

TEST_F(FormStorageTest, ShowLoadsWhileActiveAndThenRunsTheFormsOwnHandler) {
  given("[TfrmTest]\r\nchkboxCache_Checked=True\r\n");
  form.doShow();
  EXPECT_THAT(events, ElementsAre("cache 1", "own show"));

  storage.Active = false;
  cache.setChecked(false);
  events.clear();
  form.doShow();
  EXPECT_THAT(events, ElementsAre("own show"));
}

TEST_F(FormStorageTest, CloseSavesOnlyWhenAcceptedAndDestroySavesOnlyWhenNothingWasSaved) {
  form.doShow();
  acceptClose = false;
  EXPECT_FALSE(form.closeQuery());
  EXPECT_TRUE(files.files.empty());
  acceptClose = true;
  EXPECT_TRUE(form.closeQuery());
  EXPECT_EQ(files.writes, 1);  // one save, one write
  events.clear();
  form.beforeDestruction();
  EXPECT_EQ(files.writes, 1);  // saved since the load: not again
  EXPECT_THAT(events, ElementsAre("own destroy"));
}

TEST_F(FormStorageTest, DestroyWithoutASaveSavesWhileActive) {
  form.doShow();
  form.beforeDestruction();
  EXPECT_THAT(bytes(), HasSubstr("cbHotKey_Text=Ctrl+Alt+M"));
}

TEST_F(FormStorageTest, AFailedSaveLeavesTheFileAsItWasAndReachesTheExceptionHandler) {
  given("[TfrmTest]\r\nICONE=2\r\n");
  form.doShow();
  cache.setChecked(true);
  files.writesBeforeFailure = 0;
  EXPECT_TRUE(form.closeQuery());
  EXPECT_THAT(errors, ElementsAre("Unable to write to /opt/lumaro/Lumaro.ini"));
  EXPECT_EQ(bytes(), "[TfrmTest]\r\nICONE=2\r\n");
  EXPECT_FALSE(storage.SavedSinceLoad());
}

TEST_F(FormStorageTest, TheFocusedControlIsSavedAndRestoredWhenItCanTakeTheFocus) {
  form.show();
  form.setFocus(&hotKey);
  storage.SaveStoredSettings();
  EXPECT_THAT(bytes(), StartsWith("[TfrmTest]\r\nFormVersion=0\r\nActiveControl=cbHotKey\r\nchkboxCache_"));

  form.setFocus(nullptr);
  storage.LoadStoredSettings();
  EXPECT_EQ(form.activeControl(), &hotKey);

  for (const char* name : {"Label1", "Ghost"}) {
    form.setFocus(nullptr);
    storage.WriteSetting("ActiveControl", name);
    storage.LoadStoredSettings();
    EXPECT_EQ(form.activeControl(), nullptr) << name;
  }
  hotKey.setEnabled(false);
  storage.WriteSetting("ActiveControl", "cbHotKey");
  storage.LoadStoredSettings();
  EXPECT_EQ(form.activeControl(), nullptr);
}

TEST_F(FormStorageTest, SingleSettingsUseTheSectionAndTheQuotingRule) {
  storage.WriteSetting("ICONE", " 'x' ");
  EXPECT_EQ(bytes(), "[TfrmTest]\r\nICONE=\"'x'\"\r\n");
  EXPECT_EQ(storage.ReadSetting("icone", "0"), "'x'");
  EXPECT_EQ(storage.ReadSetting("Absent", "0"), "0");
  storage.IniSection = "Other";
  storage.WriteSetting("ICONE", "2");
  EXPECT_EQ(bytes(), "[TfrmTest]\r\nICONE=\"'x'\"\r\n[Other]\r\nICONE=2\r\n");
}

}  // namespace
}  // namespace lumaro::settings
