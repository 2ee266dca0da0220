#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/platform.h"
#include "temp_folder.h"
#include "workfile/workfile.h"

namespace tamo::app::testing {

// The desktop of a headless test: messages are recorded, the file dialogs and the questions
// answer from a script.
class ScriptedPlatform : public MessageSink,
                         public OpenFileDialog,
                         public UnsavedWorkQuestion,
                         public SaveFileDialog,
                         public ReplaceQuestion {
 public:
  Platform ports() { return {*this, *this, *this, *this, *this}; }

  void show_message(const std::string& text) override { messages.push_back(text); }
  std::optional<std::filesystem::path> choose(const OpenFileRequest& request) override {
    open_requests.push_back(request);
    return chosen_file;
  }
  UnsavedAnswer ask(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }

  std::optional<std::filesystem::path> choose_save(const SaveFileRequest& request) override {
    save_requests.push_back(request);
    return chosen_save;
  }
  bool ask_replace(const std::string& text) override {
    replace_questions.push_back(text);
    return replace;
  }

  std::vector<std::string> messages;
  std::vector<SaveFileRequest> save_requests;
  std::optional<std::filesystem::path> chosen_save;
  std::vector<std::string> replace_questions;
  bool replace = false;
  std::vector<OpenFileRequest> open_requests;
  std::optional<std::filesystem::path> chosen_file;
  std::vector<std::string> questions;
  UnsavedAnswer answer = UnsavedAnswer::cancel;
};

// The name of the panel in front, or "" when the client area is blank.
inline std::string front_panel(const Application& app) {
  const controls::Form* front = nullptr;
  for (const auto& e : app.forms().entries())
    if (e.kind == FormRegistry::Kind::panel && e.form->visible() &&
        (!front || e.form->front_order() > front->front_order()))
      front = e.form;
  return front ? front->name() : "";
}

// A started application writing into a fresh folder of its own.
class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '_';  // parameterised tests carry their instance in their names
    folder = tamo::testing::fresh_temp_folder("tamo_app_" + name);
    app.set_work_folder(folder);
    app.start();
  }
  ~AppTest() override { std::filesystem::remove_all(folder); }

  std::string front_panel() const { return testing::front_panel(app); }

  ScriptedPlatform platform;
  Application app{platform.ports()};
  std::filesystem::path folder;
};

}  // namespace tamo::app::testing
