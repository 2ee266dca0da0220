#include <gtest/gtest.h>

#include "check/report.h"
#include "cli/check.h"
#include "cli_fixture.h"
#include "work_setup.h"

namespace tamo::cli::testing {
namespace {

class CheckReport : public CliTest {};

TEST_F(CheckReport, TextNamesEveryRecordThenWarningsThenLoading) {
  Work w = clean_work();
  setup_data(w).name.clear();
  setup_room_named(w, "udvar")->long_.clear();
  add_mixed(setup_room_named(w, "kapu")->exits, "del", "pince");
  FileCheck c{"w.tamo", check::check_file(write_work(w))};
  EXPECT_EQ(check_text(c),
            "w.tamo\n"
            "munka: Nincs készítőnév megadva!\n"
            "szoba kapu: ok\n"
            "szoba udvar: Nincs hosszú leírás megadva!\n"
            "élőlény ork: ok\n"
            "tárgy gyuru: ok\n"
            "tárgy kulcs: ok\n"
            "figyelmeztetés: szoba kapu: a(z) del kijárat nem létező szobába vezet: pince\n");
}

TEST_F(CheckReport, AMessageOfSeveralLinesStaysOnOneOutputLine) {
  Work w = clean_work();
  setup_data(w).project = "Rossz Nev";
  FileCheck c{"w.tamo", check::check_file(write_work(w))};
  EXPECT_EQ(check_status({c}), 0) << "a replaced work name refuses nothing";
  ASSERT_EQ(c.report.loading.size(), 1u);
  EXPECT_NE(c.report.loading.front().find("\r\n"), std::string::npos);
  EXPECT_NE(check_text(c).find("hiba: A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re. "
                               "Javaslom, ird át a munka nevét, aztán mentsél!\n"),
            std::string::npos);
}

TEST_F(CheckReport, JsonHoldsTheSameFacts) {
  Work w = clean_work();
  setup_data(w).mail.clear();
  setup_room_named(w, "udvar")->long_.clear();
  add_mixed(setup_room_named(w, "kapu")->exits, "del", "pince");
  FileCheck c{"a \"b\".tamo", check::check_file(write_work(w))};
  EXPECT_EQ(check_json({c}),
            "{\"files\":[{\"path\":\"a \\\"b\\\".tamo\",\"complete\":true,"
            "\"work\":{\"ok\":false,\"result\":\"Nincs e-mail cím megadva!\"},\"records\":["
            "{\"kind\":\"szoba\",\"name\":\"kapu\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"szoba\",\"name\":\"udvar\",\"ok\":false,"
            "\"result\":\"Nincs hosszú leírás megadva!\"},"
            "{\"kind\":\"élőlény\",\"name\":\"ork\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"tárgy\",\"name\":\"gyuru\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"tárgy\",\"name\":\"kulcs\",\"ok\":true,\"result\":\"ok\"}],"
            "\"warnings\":[\"szoba kapu: a(z) del kijárat nem létező szobába vezet: pince\"],"
            "\"errors\":[]}],\"status\":1}\n");
}

TEST(CheckReportStatus, TheWorstFileDecides) {
  FileCheck whole_ok{"a", {}};
  FileCheck refused{"b", {}};
  refused.report.records.push_back({"szoba", "x", "nem"});
  FileCheck broken{"c", {}};
  broken.report.complete = false;
  EXPECT_EQ(check_status({}), 0);
  EXPECT_EQ(check_status({whole_ok, refused}), 1);
  EXPECT_EQ(check_status({refused, broken, whole_ok}), 2);
}

}  // namespace
}  // namespace tamo::cli::testing
