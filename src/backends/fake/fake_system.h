#pragma once
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/instance_guard.h"
#include "platform/message_notice.h"
#include "platform/system_info.h"
#include "platform/utf8_path.h"

namespace lumaro::platform::fake {

class FakeSystemInfo : public SystemInfo {
 public:
  std::optional<int> platformFamily() override { return family; }
  std::string decimalSeparator() override { return separator; }

  std::optional<int> family = kFamilyNt;
  std::string separator = ",";
};

class FakeFiles : public Files {
 public:
  // The running executable is there, as it is for the real service.
  bool fileExists(const std::string& path) override {
    return path == executablePath() || existing.contains(path);
  }
  // Private unless the path or its folder is among `shared`.
  bool isPrivatePath(const std::string& path) override {
    return !shared.contains(path) && !shared.contains(utf8Of(pathFromUtf8(path).parent_path()));
  }
  // In the system's own form, as a real backend hands them out ('\\' on Windows).
  std::string executablePath() override { return nativeForm(executable); }
  std::string windowsDirectory() override { return nativeForm(windowsDir); }
  std::string configDirectory() override { return nativeForm(configDir); }

  std::set<std::string> existing;
  // Folders another user owns or may write in, and files of another user's.
  std::set<std::string> shared;
  std::string executable = "/opt/lumaro/lumaro";
  std::string windowsDir = "/home/user/.local/share/lumaro/windows";
  std::string configDir = "/home/user/.config/lumaro";

 private:
  static std::string nativeForm(const std::string& path) {
    return utf8Of(pathFromUtf8(path).make_preferred());
  }
};

// Records every message shown and noted; `onShow` runs while the box is "open", as a modal box lets
// messages run.
class FakeMessageBox : public MessageNotice {
 public:
  void show(const std::string& caption, const std::string& text) override {
    shown.emplace_back(caption, text);
    if (onShow) onShow(text);
  }
  void note(const std::string& caption, const std::string& text) override {
    notes.emplace_back(caption, text);
  }

  std::vector<std::pair<std::string, std::string>> shown;
  std::vector<std::pair<std::string, std::string>> notes;
  std::function<void(const std::string&)> onShow;
};

// A name is held by another copy (heldElsewhere) or by a claim made here before: either refuses it.
class FakeInstanceGuard : public InstanceGuard {
 public:
  bool claim(const std::string& name) override {
    claims.push_back(name);
    return !heldElsewhere.contains(name) && held_.insert(name).second;
  }

  std::set<std::string> heldElsewhere;
  std::vector<std::string> claims;

 private:
  std::set<std::string> held_;
};

class FakeRestoreChannel : public RestoreChannel {
 public:
  bool listen(const std::string& name, std::function<void(Request)> onRequest) override {
    listening = name;
    handler = std::move(onRequest);
    return true;
  }
  // Reaches this channel's own listener only: another copy is the test's to play with deliver().
  bool send(const std::string& name, Request request) override {
    sent.emplace_back(name, request);
    if (name.empty() || name != listening) return false;
    deliver(request);
    return true;
  }
  bool answersOnMainWindow() const override { return onMainWindow; }
  // Delivers one request from another process.
  void deliver(Request request = Request::Restore) {
    if (handler) handler(request);
  }

  std::string listening;
  std::function<void(Request)> handler;
  std::vector<std::pair<std::string, Request>> sent;
  bool onMainWindow = false;
};

}  // namespace lumaro::platform::fake
