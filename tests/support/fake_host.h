#pragma once

#include <string>
#include <vector>

#include "controls/form.h"
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

  // The editor's forms share one front order, as the application's registry gives them.
  void stack(const std::vector<controls::Form*>& forms) {
    for (controls::Form* f : forms) stacking_.join(*f);
  }

  std::vector<std::string> messages;
  int closeallotherforms_calls = 0;
  bool main_enabled = true;

 private:
  Work work_;
  controls::Focus focus_;
  controls::Stacking stacking_;
};

}  // namespace tamo::testing
