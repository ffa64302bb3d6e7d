#include "orvane_sim/command_line.h"

#include <cctype>
#include <cstdlib>

#include "common/gbk.h"
#include "orvane_sim/main_window_controls.h"

namespace orvane {

namespace {

std::optional<double> parseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == nullptr || *end != '\0' || value < 0) return std::nullopt;
  return value;
}

std::optional<int> parseWholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (end == nullptr || *end != '\0' || value < -100000 || value > 100000) return std::nullopt;
  return static_cast<int>(value);
}

// "utc:YYYY-MM-DD HH:MM:SS", "count:N", "silent" or "refuse".
std::optional<SimTimeServer> parseTimeServer(const std::string& text) {
  SimTimeServer server;
  const std::string utc = "utc:";
  const std::string count = "count:";
  if (text == "silent") return server;
  if (text == "refuse") {
    server.kind = SimTimeServer::Kind::Refuse;
    return server;
  }
  if (text.compare(0, utc.size(), utc) == 0) {
    const auto moment = parseDateTime(text.substr(utc.size()));
    if (!moment) return std::nullopt;
    server.kind = SimTimeServer::Kind::Clock;
    server.utcAtStart = *moment;
    return server;
  }
  if (text.compare(0, count.size(), count) != 0) return std::nullopt;
  const std::string digits = text.substr(count.size());
  char* end = nullptr;
  const unsigned long long value = std::strtoull(digits.c_str(), &end, 10);
  if (digits.empty() || digits.front() == '-' || *end != '\0' || value > 0xFFFFFFFFULL) return std::nullopt;
  server.kind = SimTimeServer::Kind::Count;
  server.count = static_cast<std::uint32_t>(value);
  return server;
}

// "BIAS" (standard time) or "BIAS,DAYLIGHT-BIAS,daylight|standard|unknown".
std::optional<TimeZoneState> parseTimeZone(const std::string& text) {
  TimeZoneState zone{TimeZoneState::Kind::Standard, 0, 0, 0};
  const auto firstComma = text.find(',');
  const auto bias = parseWholeNumber(text.substr(0, firstComma));
  if (!bias) return std::nullopt;
  zone.bias = *bias;
  if (firstComma == std::string::npos) return zone;
  const auto secondComma = text.find(',', firstComma + 1);
  if (secondComma == std::string::npos) return std::nullopt;
  const auto daylightBias = parseWholeNumber(text.substr(firstComma + 1, secondComma - firstComma - 1));
  const std::string kind = text.substr(secondComma + 1);
  if (!daylightBias) return std::nullopt;
  zone.daylightBias = *daylightBias;
  if (kind == "daylight") {
    zone.kind = TimeZoneState::Kind::Daylight;
  } else if (kind == "unknown") {
    zone.kind = TimeZoneState::Kind::Unknown;
  } else if (kind != "standard") {
    return std::nullopt;
  }
  return zone;
}

const char* const kShowDialer = "show TRasDialerForm";

bool validEvent(const std::string& text) {
  if (text == "close" || text == "end-session" || text == "tray-double-click" || text == "clear-alarm" ||
      text == kShowDialer) {
    return true;
  }
  const auto space = text.find(' ');
  if (space == std::string::npos) return false;
  const std::string verb = text.substr(0, space);
  const std::string argument = text.substr(space + 1);
  if (verb == "set-clock") return parseDateTime(argument).has_value();
  if (verb == "sleep") return parseNumber(argument).has_value();
  if (verb == "set-alarm") return parseAlarmTime(argument).has_value();
  if (verb == "menu") return !argument.empty();
  return isMainWindowControlEvent(verb, argument);
}

class Parser {
 public:
  Parser(const std::vector<std::string>& arguments, std::string& error) : args_(arguments), error_(error) {}

  std::optional<SimOptions> parse() {
    SimOptions options;
    bool hasDir = false, hasStart = false, hasRun = false;
    for (index_ = 0; index_ < args_.size(); ++index_) {
      const std::string& flag = args_[index_];
      if (flag == "--help" || flag == "-h") {
        options.help = true;
        return options;
      }
      if (flag == "--dir") {
        hasDir = takeValue(options.directory);
      } else if (flag == "--start") {
        hasStart = takeStart(options);
      } else if (flag == "--run") {
        hasRun = takeNumber(options.runSeconds);
      } else if (flag == "--platform") {
        takePlatform(options);
      } else if (flag == "--jitter") {
        double jitter = 0;
        if (takeNumber(jitter)) options.jitterMs = static_cast<int>(jitter);
      } else if (flag == "--instance") {
        takeInstance(options);
      } else if (flag == "--port-driver") {
        takePortDriver(options);
      } else if (flag == "--ras") {
        takeRas(options);
      } else if (flag == "--at") {
        takeEvent(options);
      } else if (flag == "--answer") {
        takeAnswer(options);
      } else if (flag == "--time-server") {
        takeTimeServer(options);
      } else if (flag == "--round-trip") {
        double roundTrip = 0;
        if (takeNumber(roundTrip)) options.roundTripMs = static_cast<int>(roundTrip);
      } else if (flag == "--timezone") {
        takeTimeZone(options);
      } else {
        fail("unknown argument " + flag);
      }
      if (!error_.empty()) return std::nullopt;
    }
    if (!hasDir || !hasStart || !hasRun) {
      fail("--dir, --start and --run are required");
      return std::nullopt;
    }
    return options;
  }

 private:
  void fail(const std::string& message) {
    if (error_.empty()) error_ = message;
  }

  bool takeValue(std::string& value) {
    if (index_ + 1 >= args_.size()) {
      fail(args_[index_] + " needs a value");
      return false;
    }
    value = args_[++index_];
    return true;
  }

  bool takeNumber(double& value) {
    std::string text;
    if (!takeValue(text)) return false;
    const auto number = parseNumber(text);
    if (!number) fail("not a number: " + text);
    value = number.value_or(0);
    return number.has_value();
  }

  bool takeStart(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return false;
    const auto start = parseDateTime(text);
    if (!start) fail("--start wants \"YYYY-MM-DD HH:MM:SS\", not " + text);
    options.start = start.value_or(DateTime());
    return start.has_value();
  }

  void takePlatform(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    if (text == "nt") {
      options.platformId = 2;
    } else if (text == "9x") {
      options.platformId = 1;
    } else {
      fail("--platform is nt or 9x");
    }
  }

  void takeInstance(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    if (text == "1" || text == "2") {
      options.instance = text == "2" ? 2 : 1;
    } else {
      fail("--instance is 1 or 2");
    }
  }

  void takePortDriver(SimOptions& options) {
    static const std::pair<const char*, SimDriverState> kStates[] = {
        {"running", SimDriverState::Running}, {"stopped", SimDriverState::Stopped},
        {"absent", SimDriverState::Absent},   {"denied", SimDriverState::AccessDenied},
        {"broken", SimDriverState::Broken},
    };
    std::string text;
    if (!takeValue(text)) return;
    for (const auto& [name, state] : kStates) {
      if (text == name) {
        options.portDriver = state;
        return;
      }
    }
    fail("--port-driver is running, stopped, absent, denied or broken");
  }

  void takeRas(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    if (text == "absent") {
      options.rasAvailable = false;
    } else {
      fail("--ras is absent");
    }
  }

  void takeEvent(SimOptions& options) {
    double seconds = 0;
    std::string text;
    if (!takeNumber(seconds) || !takeValue(text)) return;
    if (!validEvent(text)) fail("unknown event: " + text);
    options.events.push_back({seconds, text});
  }

  void takeAnswer(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
      fail("--answer wants WHAT=ANSWER");
      return;
    }
    options.answers.emplace_back(text.substr(0, equals), text.substr(equals + 1));
  }

  void takeTimeServer(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    const auto equals = text.find('=');
    const auto server = equals == std::string::npos ? std::nullopt : parseTimeServer(text.substr(equals + 1));
    if (equals == 0 || !server) {
      fail("--time-server wants HOST=utc:YYYY-MM-DD HH:MM:SS, HOST=count:N, HOST=silent or HOST=refuse, not " + text);
      return;
    }
    options.timeServers.emplace_back(utf8ToGbk(text.substr(0, equals)), *server);
  }

  void takeTimeZone(SimOptions& options) {
    std::string text;
    if (!takeValue(text)) return;
    options.timeZone = parseTimeZone(text);
    if (!options.timeZone) fail("--timezone wants BIAS[,DAYLIGHT-BIAS,daylight|standard|unknown], not " + text);
  }

  const std::vector<std::string>& args_;
  std::string& error_;
  std::size_t index_ = 0;
};

}  // namespace

std::optional<std::pair<int, int>> parseAlarmTime(const std::string& text) {
  const bool shaped = text.size() == 5 && text[2] == ':' && std::isdigit(static_cast<unsigned char>(text[0])) &&
                      std::isdigit(static_cast<unsigned char>(text[1])) &&
                      std::isdigit(static_cast<unsigned char>(text[3])) &&
                      std::isdigit(static_cast<unsigned char>(text[4]));
  if (!shaped) return std::nullopt;
  const int hour = std::stoi(text.substr(0, 2));
  const int minute = std::stoi(text.substr(3, 2));
  if (hour > 23 || minute > 59) return std::nullopt;
  return std::make_pair(hour, minute);
}

std::optional<SimOptions> parseSimCommandLine(const std::vector<std::string>& arguments, std::string& error) {
  error.clear();
  return Parser(arguments, error).parse();
}

const char* simUsage() {
  return R"(Usage: orvane-sim --dir DIR --start "YYYY-MM-DD HH:MM:SS" --run SECONDS
                  [--platform nt|9x] [--jitter MS] [--instance 1|2] [--ras absent]
                  [--port-driver running|stopped|absent|denied|broken]
                  [--at SECONDS "set-clock YYYY-MM-DD HH:MM:SS"] [--at SECONDS "sleep SECONDS"]
                  [--at SECONDS "menu PATH"] [--at SECONDS "press TForm3/CAPTION"]
                  [--at SECONDS "select TForm3/StringGrid1 ROW"]
                  [--at SECONDS "type TForm3/NAME VALUE"]
                  [--at SECONDS "set-alarm HH:MM"] [--at SECONDS clear-alarm]
                  [--at SECONDS close|end-session|tray-double-click]
                  [--at SECONDS "show TRasDialerForm"] [--answer WHAT=ANSWER]...
                  [--time-server HOST=SERVER]... [--round-trip MS]
                  [--timezone BIAS[,DAYLIGHT-BIAS,daylight|standard|unknown]]

Runs the program's logic against a simulated Windows and prints, one line per
event, what it did: "YYYY-MM-DD HH:MM:SS.mmm EVENT key=value ...", in UTF-8.

  --dir DIR         plays the program's directory (task.dat, time.dat, wake.ini,
                    di.wav, ...); DIR/system/ plays the Windows system directory
                    (deskward.ini). Optional inputs: DIR/processes.txt (running
                    processes, one "PID EXECUTABLE-PATH" per line), DIR/cmos.bin
                    (128 bytes of CMOS; missing: all zero), DIR/bios.bin (the
                    BIOS ROM image, 65,536 bytes of F0000-FFFFF; missing or of
                    another size: the ROM cannot be read), DIR/phonebook.txt
                    (the dial-up phone book, one GBK entry name per line; the
                    service lists at most 16 records). The program's writes go
                    to DIR, and the CMOS is written back to DIR/cmos.bin when
                    the run ends (unless there was none and no byte changed).
                    Without "et" in section "wake" of wake.ini the start
                    detects the board from bios.bin.
  --start TIME      the local time at which the program starts.
  --run SECONDS     how long virtual time runs after the start.
  --platform nt|9x  the NT family (default) or Windows 95/98/ME.
  --jitter MS       every 1000 ms timer fires MS milliseconds late, each tick
                    later than the last, as real timers drift.
  --instance 1|2    2: the program starts as a second copy while a first one
                    runs; it logs "second-instance" and ends ("exit").
  --port-driver STATE
                    the port driver's service (NT family): running (default;
                    its device opens), stopped (it starts when asked), absent
                    (not installed; creating it leaves it stopped), denied (no
                    administrator rights: the service control manager refuses
                    access and the device does not open), broken (the device
                    opens but every port request fails with error 31).
  --time-server HOST=SERVER
                    a time server (Time Protocol, TCP port 37) named HOST:
                      "utc:YYYY-MM-DD HH:MM:SS"  its UTC clock reads that moment
                                       when the run starts and advances with
                                       virtual time;
                      "count:N"        it answers the raw 32-bit count N;
                      silent           it accepts the connection, sends nothing;
                      refuse           it refuses the connection.
                    A host not given does not resolve.
  --round-trip MS   the time from connecting until a server's answer has
                    arrived (default 100); the program waits for it, and no
                    timer fires meanwhile.
  --timezone BIAS[,DAYLIGHT-BIAS,daylight|standard|unknown]
                    the time zone as GetTimeZoneInformation gives it: the bias
                    in minutes (UTC = local + bias), the daylight bias and which
                    time is in force (default -480, standard: China).
  --ras absent      the system has no rasapi32.dll: every dial-up call fails
                    and the program runs on without it.
  --at SECONDS EVENT
                    runs EVENT that many seconds after the start:
                      "set-clock YYYY-MM-DD HH:MM:SS"  the clock is set;
                      "sleep SECONDS"  the machine sleeps that long: no timer
                                       fires, the clock runs on; it logs
                                       "sleep seconds=N", then "resume" at the
                                       end, or "wake" when the armed wake
                                       timer's due time falls inside: the
                                       machine wakes then, the timer's expiry
                                       (the rebuild) comes first, then the
                                       timers that fell due;
                      "close"          the main window's close box is clicked;
                      "end-session"    Windows asks whether the session may end;
                      "tray-double-click"
                                       the tray icon is double-clicked;
                      "set-alarm HH:MM"  the CMOS power-on alarm is set to
                                       that time, as the wizard sets it (its
                                       questions are answered as message
                                       boxes are);
                      "clear-alarm"    the CMOS power-on alarm is cleared, as
                                       uninstall clears it;
                      "menu PATH"      a menu entry is chosen by its captions:
                                       "文件(&F)/关机" in the menu bar,
                                       "tray/快速执行/重启" or
                                       "tray/添加新任务" in the tray menu;
                      "press TForm3/CAPTION"  a button of the main window is
                                       pressed by its caption: "添加", "编辑",
                                       "删除", "全删" (dated power-on list),
                                       "确定" (the options save), "设定密码"
                                       (the set-password window, TForm6);
                      "select TForm3/StringGrid1 ROW"  row ROW (from 1) of the
                                       dated power-on list is selected;
                      "type TForm3/NAME VALUE"  a control of the main window
                                       is set by its resource name: a spin
                                       edit's text ("FlatSpinEditInteger1 7",
                                       1-3 power-on, 4-6 shutdown time) or a
                                       check box, "1" or "0" ("CheckBox3 1";
                                       CheckBox1 "每天", 2-8 "星期一"-"星期日");
                      "show TRasDialerForm"  the dial-up window is shown, not
                                       modally, as the task editor's "..."
                                       beside the web address shows it.
  --answer WHAT=ANSWER
                    scripted answers. Defaults: a message box answers its first
                    button ("确定"); a countdown runs to zero; a reminder stays
                    open; an open-file dialog is cancelled; any other window is
                    closed with its cancel button or close box.
                      message=取消    answers every question with "取消";
                      file=PATH       chooses PATH in every open-file dialog;
                      TForm4=cancel   cancels each countdown as it opens;
                      TForm12=TEXT    types TEXT into the password prompt and
                                      presses "确定" (then "取消" if still open);
                      TForm6="OLD|NEW|AGAIN"
                                      types the old password, the new one and
                                      its confirmation into the set-password
                                      window and presses "确定" (its question
                                      is answered as message boxes are); a
                                      refused entry or an answer without
                                      exactly three fields closes the window;
                      TForm2=ok       presses "确定" in each task editor as it
                                      opens: a new task with the defaults (every
                                      day at the current time, no action), or
                                      the selected task saved unchanged;
                      TForm8="YYYY-MM-DD 启用|禁用 REMARK"
                                      fills each dated power-on editor as it
                                      opens (REMARK may be left out) and
                                      presses "确定";
                      TForm10="at HH:MM:SS"
                                      in the timed shutdown: ticks the box,
                                      chooses "指定时间：" with that time and
                                      presses "确定";
                      TForm10="minutes N"
                                      the same with "计时：" and N typed as
                                      given (a bad number is reported, then
                                      the window is closed);
                      TForm10=off     unticks the box and presses "确定";
                      TForm1="auto HH:MM:SS"
                                      in the power-on wizard: "自动设置",
                                      "下一步 >", the time typed into the
                                      hour, minute and second lists as given
                                      (a value that is not a time too), and
                                      "完成" (a refused time is reported, then
                                      the window is closed); on a board
                                      without a profile the wizard is closed;
                      TForm1=auto-test
                                      the same with "测试" checked instead
                                      of a time;
                      TForm1="manual HH:MM:SS"
                                      "手动设置", "下一步 >", the time typed
                                      into the lists, "完成";
                      TForm1=cancel   "取消" on the first page (the default);
                      TForm9=fetch    presses "获取时间" in the clock window,
                                      then closes it;
                      TForm9=fetch+correct
                                      presses "获取时间", then "校正" (which
                                      closes the window when it sets the clock);
                      TForm9="server HOST fetch+correct"
                                      types HOST into the server box first;
                      TRasDialerForm="ENTRY|USER|PASSWORD|autodial|savepw"
                                      in the dial-up window: chooses ENTRY in
                                      the entry list (nothing when the phone
                                      book lacks it), types USER and PASSWORD,
                                      ticks "自动拨号" and "保存密码" exactly
                                      when their words follow (either or both
                                      may be left out; "自动拨号" ticks "保存
                                      密码" too) and presses "保存设置"; any
                                      other answer closes it. Unanswered, it
                                      stays open;
                      CLASS=ANSWER    hands ANSWER to each window of CLASS.

The power-on wizard logs "open TForm1 page=N" when it opens and "page TForm1 N"
when its page changes (1 choice, 2 automatic time, 3 board without a profile,
4 manual time).

The check after start opens its countdown as "open TForm4 button2="关闭"
label4="今天没有开机任务！"".

Log events: platform calls by their Windows names (ExitWindowsEx flags=13
reserved=0, SetSystemPowerState suspend=1 force=1, ShellExecute verb=open
file="..." dir="...", TerminateProcess pid=12, sndPlaySound file=... flags=3,
CmosRead index=84 value=0, CmosWrite index=84 value=1
(decimal, every CMOS byte in order), CreateFile name="\\.\PortTalk" -> ok|fail,
OpenSCManager -> ok|denied, OpenService name=PortTalk -> ok|fail,
CreateService name=PortTalk type=1 start=3 error=1 path="...",
StartService name=PortTalk -> ok|ERROR, the BIOS ROM read as
ZwOpenSection name="\Device\PhysicalMemory" -> ok|failed, or on 9x as
copy linear=0xF0000 size=65536 [-> fault], HtmlHelp file="...\help.chm"
topic="power.html" command=0, ...), "open CLASS ..."
and "close CLASS" for windows, "message "TEXT" -> ANSWER" for message boxes,
"GetOpenFileName filter="..." flags=0x1004 -> "PATH"" for open-file dialogs,
the program's own steps ("rebuild", "dodo row=3", "show TForm3", "hide TForm3",
"query-end-session -> 1"), WinExec cmd="..." show=1, the start-up service
("OpenService name=Velmora -> ok" or "-> fail" at start, "ControlService
name=Velmora control=1 -> ok" or "-> fail" 29 s later), DeleteFile
file="..." and "exit" when the message loop ends. Clock synchronisation:
"connect host=HOST port=37 -> ok", "-> refused" or "-> unresolved";
SetLocalTime time="YYYY-MM-DD HH:MM:SS" and SetSystemTime
time="YYYY-MM-DD HH:MM:SS" (UTC), which move the virtual clock as on a real
PC; the clock window opens as "open TForm9 server="HOST" auto=0". Dial-up:
"RasEnumEntries -> N" (N entries listed, or "-> error 603 entries=N" when
more than the 16 records asked for), "RasDial entry="..." user="..."
password-length=N" (never the password; "-> error 623" for an entry the
phone book lacks), RasCreatePhonebookEntry, RasGetErrorString code=N
size=N; with --ras absent each call logs "-> no rasapi32.dll".

The wake-up timer: each arming logs
  SetWaitableTimer name=zovirudu due="YYYY-MM-DD HH:MM:SS" resume=1
with the local moment of its absolute due time (an arming with nothing to
wake for logs nothing); after its expiry the system is kept awake until the
event has been handled and any countdown it opened has ended:
  SetThreadExecutionState flags=0x80000001   ...   flags=0x80000000

Exit code 0, or 2 with this text for bad arguments.
)";
}

}  // namespace orvane
