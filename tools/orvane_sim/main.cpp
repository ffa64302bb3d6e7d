// orvane-sim: runs the program's logic against the simulated Windows and
// prints what it did. See --help.

#include <iostream>

#include "app/program.h"
#include "orvane_sim/command_line.h"
#include "orvane_sim/main_window_controls.h"
#include "platform/sim/sim_world.h"

namespace orvane {
namespace {

void scheduleEvent(SimWorld& world, Program& program, const SimEvent& event) {
  const auto space = event.text.find(' ');
  const std::string verb = event.text.substr(0, space);
  const std::string argument = event.text.substr(space + 1);
  world.at(event.atSeconds, [&world, &program, verb, argument] {
    if (verb == "close") {
      program.closeMainWindow();
    } else if (verb == "end-session") {
      program.queryEndSession();
    } else if (verb == "tray-double-click") {
      program.trayDoubleClick();
    } else if (verb == "show") {
      program.mainForm().tasks().taskCommands().showDialerWindow();
    } else if (verb == "set-clock") {
      world.setClock(parseDateTime(argument).value_or(DateTime()));
    } else if (verb == "sleep") {
      world.sleep(std::stod(argument));
    } else if (verb == "set-alarm") {
      const auto time = parseAlarmTime(argument).value_or(std::make_pair(0, 0));
      program.mainForm().wakeup().alarm().SetPowerOnAlarm(time.first, time.second);
    } else if (verb == "clear-alarm") {
      program.mainForm().wakeup().alarm().ClearPowerOnAlarm();
    } else if (verb != "menu") {
      runMainWindowControlEvent(program.mainForm(), verb, argument);
    } else {
      MenuItem* entry = program.findMenuEntry(argument);
      world.log().add("menu " + orvane::quoted(argument) + (entry == nullptr ? " -> not found" : ""));
      if (entry != nullptr && entry->action) entry->action();
    }
  });
}

int runSimulation(const SimOptions& options) {
  SimWorld world(options.directory, options.start);
  world.log().echoTo(&std::cout);
  world.setPlatformId(options.platformId);
  world.time().setJitter(options.jitterMs);
  world.system().setOtherCopyRunning(options.instance == 2);
  world.hardware().setDriverState(options.portDriver);
  world.network().setRasAvailable(options.rasAvailable);
  for (const auto& [what, answer] : options.answers) world.ui().setAnswer(what, answer);
  for (const auto& [host, server] : options.timeServers) world.network().addServer(host, server);
  world.network().setRoundTrip(options.roundTripMs);
  if (options.timeZone) world.time().setTimeZone(*options.timeZone);

  Program program(world.platform(), world.ui());
  for (const auto& event : options.events) scheduleEvent(world, program, event);
  world.run(options.runSeconds, [&] {
    world.log().add("start");
    program.start();
  });
  world.saveCmos();
  return 0;
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  const auto options = orvane::parseSimCommandLine(arguments, error);
  if (!options) {
    std::cerr << "orvane-sim: " << error << "\n\n" << orvane::simUsage();
    return 2;
  }
  if (options->help) {
    std::cout << orvane::simUsage();
    return 0;
  }
  return orvane::runSimulation(*options);
}
