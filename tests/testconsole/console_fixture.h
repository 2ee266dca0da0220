#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/work.h"
#include "testconsole/console.h"
#include "work_setup.h"

namespace tamo::testconsole::testing {

// Records what the console asks of the application, one short line per call.
class FakeConsoleHost : public ConsoleHost {
 public:
  void show_console() override { calls.push_back("show_console"); }
  void open_room(const droom& room, bool to_front) override {
    calls.push_back("open_room " + room.filename + (to_front ? " front" : " behind"));
  }
  void open_creature(const dmons& creature) override {
    calls.push_back("open_creature " + creature.filename);
  }
  void focus_input() override { calls.push_back("focus_input"); }

  std::vector<std::string> calls;
};

class ConsoleTest : public ::testing::Test {
 protected:
  droom& room(const std::string& filename, const std::string& short_ = "") {
    droom& r = *setup_room(work, filename);
    r.short_ = short_;
    return r;
  }
  dmons& creature(const std::string& filename, const std::string& name = "") {
    dmons& m = *setup_mons(work, filename);
    m.name = name;
    return m;
  }
  ditem& item(const std::string& filename, const std::string& name = "") {
    ditem& i = *setup_item(work, filename);
    i.name = name;
    return i;
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const ConsoleLine& line : console.output().lines()) out.push_back(line.text);
    return out;
  }
  // The lines printed by one command, from an emptied console.
  std::vector<std::string> run(const std::string& input) {
    console.output().clear();
    console.command(input);
    return texts();
  }
  const ConsoleLine& line(std::size_t i) const { return console.output().lines().at(i); }
  // The one colour of a line that shows in a single colour, or 0 when it has several.
  Rgb colour_of(std::size_t i) const {
    const auto& runs = line(i).runs;
    return runs.size() == 1 ? runs[0].colour : 0;
  }

  Work work;
  FakeConsoleHost host;
  Console console{work, host};
};

}  // namespace tamo::testconsole::testing
