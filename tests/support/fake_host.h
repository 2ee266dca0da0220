#pragma once

#include <string>
#include <vector>

#include "editors/common/host.h"

namespace tamo::testing {

// An editor host for headless tests: records messages and counts hidden dialogs.
class FakeHost : public editors::EditorHost {
 public:
  Work& work() override { return work_; }
  void debug(const std::string& text) override { messages.push_back(text); }
  void closeallotherforms() override { ++closeallotherforms_calls; }
  void set_main_enabled(bool enabled) override { main_enabled = enabled; }
  controls::Focus& focus() override { return focus_; }

  std::vector<std::string> messages;
  int closeallotherforms_calls = 0;
  bool main_enabled = true;

 private:
  Work work_;
  controls::Focus focus_;
};

}  // namespace tamo::testing
