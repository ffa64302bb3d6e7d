// The dated power-on list: the file read leniently and written in one
// pattern, the grid, the editor "TForm8" in both modes, the questions of
// "删除" and "全删", and the faults that must not lose or split an entry.

#include "dailypower/power_on_dates.h"

#include "dailypower/daily_power_fixture.h"
#include "dailypower/power_on_date_form.h"

namespace orvane {
namespace {

class PowerOnDatesTest : public test::DailyPowerTest {
 protected:
  PowerOnDates& dates() { return main().powerOnDates(); }
  std::string shown(int row) {
    const PowerOnDateEntry entry = dates().row(row);
    return gbkToUtf8(entry.date + "|" + entry.status + "|" + entry.remark);
  }
  // "确定" answered `answer` for the next question.
  void answerQuestions(const char* answer) { world().ui().setAnswer("message", answer); }
};

TEST_F(PowerOnDatesTest, TheFileReadsLenientlyAndOnlyTheFirstTwoStarsSeparate) {
  put("time.dat", "2026-12-25*启用*圣诞*晚会*\r\n2027/1/2*禁用\r\n2027年2月3日\r\n2027.3.4*x*y\r\n");
  start("2026-12-07 10:00:00");
  ASSERT_EQ(dates().rowCount(), 4);
  EXPECT_EQ(shown(1), "2026-12-25|启用|圣诞*晚会*");
  EXPECT_EQ(shown(2), "2027/1/2|禁用|");
  EXPECT_EQ(shown(3), "2027年2月3日||");
  for (const char* text : {"2027/1/2", "2027年2月3日", "2027.3.4", " 2027-12-31 "}) {
    EXPECT_TRUE(readPowerOnDate(utf8ToGbk(text))) << text;
  }
  for (const char* text : {"2027-2-30", "27-1-2", "2027年2月3日x", "2027/1-2", ""}) {
    EXPECT_FALSE(readPowerOnDate(utf8ToGbk(text))) << text;
  }
}

TEST_F(PowerOnDatesTest, AnEmptyListShowsOneEmptyRowAndEditAndDeleteDoNothing) {
  start("2026-12-07 10:00:00");
  EXPECT_EQ(dates().rowCount(), 1);
  EXPECT_EQ(shown(1), "||");
  dates().FlatButton7Click();
  dates().FlatButton6Click();
  EXPECT_FALSE(world().log().contains("open TForm8"));
  EXPECT_FALSE(world().log().contains("message"));
  EXPECT_FALSE(file("time.dat"));
}

TEST_F(PowerOnDatesTest, AddAndEditWriteOneFixedPatternAndKeepRemarksOnOneLine) {
  start("2026-12-07 10:00:00");
  world().ui().setAnswer("TForm8", "2026-12-25 启用 圣诞*晚会");
  dates().FlatButton8Click();
  world().ui().setAnswer("TForm8", "cancel");
  dates().FlatButton8Click();  // closed by the title bar: nothing stored
  {
    // The defaults of a new entry, then a remark typed over several lines.
    PowerOnDateForm added(world().ui(), world().platform().clock, dates());
    EXPECT_EQ(added.date, (CivilDate{2026, 12, 7}));
    EXPECT_FALSE(added.enabled);
    EXPECT_EQ(added.remark, "");
    added.remark = utf8ToGbk("第一行\r\n第二行\n第三行\r");
    handle([&] { added.Button2Click(); });
  }
  EXPECT_EQ(fileUtf8("time.dat"), "2026-12-25*启用*圣诞*晚会\r\n2026-12-07*禁用*第一行 第二行 第三行 \r\n");

  // Edit opens on the selected row and keeps it selected.
  dates().select(2);
  world().ui().setAnswer("TForm8", "2027-01-02 启用");
  dates().FlatButton7Click();
  EXPECT_EQ(fileUtf8("time.dat"), "2026-12-25*启用*圣诞*晚会\r\n2027-01-02*启用*\r\n");
  EXPECT_EQ(dates().selectedRow(), 2);
  EXPECT_EQ(world().log().count("open TForm8 mode=\"Edit\""), 1);

  // Reopened on row 1 the editor shows the entry; "确定" unchanged keeps it.
  dates().select(1);
  PowerOnDateForm edited(world().ui(), world().platform().clock, dates());
  EXPECT_EQ(edited.date, (CivilDate{2026, 12, 25}));
  EXPECT_TRUE(edited.enabled);
  EXPECT_EQ(gbkToUtf8(edited.remark), "圣诞*晚会");
}

TEST_F(PowerOnDatesTest, EditingAnUnreadableDateReportsItAndKeepsTheEntry) {
  put("time.dat", "12/25/2026*启用*美式\r\n");
  start("2026-12-07 10:00:00");
  world().ui().setAnswer("TForm8", "2026-12-07 禁用");
  handle([&] { dates().FlatButton7Click(); });
  EXPECT_TRUE(world().log().contains("error \"'12/25/2026' is not a valid date\""));
  EXPECT_FALSE(world().log().contains("open TForm8"));
  EXPECT_EQ(fileUtf8("time.dat"), "12/25/2026*启用*美式\r\n");
}

TEST_F(PowerOnDatesTest, DeleteAndDeleteAllAskAndOnlyConfirmedChangesTheFile) {
  const std::string before = "2026-12-25*启用*a\r\n2026-12-26*禁用*b\r\n2026-12-27*禁用*c\r\n";
  put("time.dat", before);
  start("2026-12-07 10:00:00");
  dates().select(2);
  answerQuestions("取消");
  dates().FlatButton6Click();
  dates().FlatButton5Click();
  EXPECT_EQ(fileUtf8("time.dat"), before);
  answerQuestions("确定");
  dates().FlatButton6Click();
  EXPECT_EQ(fileUtf8("time.dat"), "2026-12-25*启用*a\r\n2026-12-27*禁用*c\r\n");
  EXPECT_EQ(shown(2), "2026-12-27|禁用|c");
  dates().FlatButton5Click();
  EXPECT_EQ(file("time.dat"), "");
  EXPECT_EQ(dates().rowCount(), 1);
  EXPECT_EQ(world().log().count("message \"您真的要删除吗？\""), 2);
  EXPECT_EQ(world().log().count("message \"您真的要全部删除吗？\""), 2);
}

TEST_F(PowerOnDatesTest, AFailedSaveLeavesTheOldFileAndTheListAndSaysSo) {
  const std::string both = "2026-12-25*启用*a\r\n2026-12-31*启用*b\r\n";
  put("time.dat", both);
  start("2026-12-07 10:00:00");
  world().files().failWritesAfter(10);  // the disk fills half way through the shorter list
  handle([&] { dates().FlatButton6Click(); });
  EXPECT_EQ(fileUtf8("time.dat"), both);
  world().files().refuseWritesTo(dir.path() / "time.dat");
  handle([&] { dates().FlatButton5Click(); });
  EXPECT_EQ(world().log().count("error \"Cannot create file"), 2);
  EXPECT_EQ(fileUtf8("time.dat"), both);
  EXPECT_EQ(dates().lines().size(), 2u);
  EXPECT_FALSE(world().files().fileExists(dir.path() / "time.dat.tmp"));
}

}  // namespace
}  // namespace orvane
