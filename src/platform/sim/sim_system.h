#pragma once
// Simulated facts about the running Windows.

#include <map>
#include <string>

#include "platform/system.h"

namespace orvane {

class EventLog;

class SimSystem : public SystemInfo {
 public:
  explicit SimSystem(EventLog& log) : log_(log) {}

  void setPlatformId(int id) { platformId_ = id; }
  void setUserName(std::string name) { userName_ = std::move(name); }
  // Another copy of the program runs already.
  void setOtherCopyRunning(bool running) { otherCopyRunning_ = running; }
  void setEnvironmentVariable(const std::string& name, std::string value) { environment_[name] = std::move(value); }

  int platformId() const override { return platformId_; }
  std::string userName() override { return userName_; }
  void trimWorkingSet() override;
  bool claimRunningCopy() override { return !otherCopyRunning_; }
  void showRunningCopy() override {}
  std::string environmentVariable(const std::string& name) override;

 private:
  EventLog& log_;
  int platformId_ = static_cast<int>(PlatformFamily::NT);
  std::string userName_ = "Administrator";
  bool otherCopyRunning_ = false;
  std::map<std::string, std::string> environment_;
};

}  // namespace orvane
