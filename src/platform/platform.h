#pragma once
// The bundle of platform interfaces built once in main (the real Windows) or
// by the simulated Windows, and handed by reference to the code that needs it.

#include "platform/bios_memory.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ports.h"
#include "platform/power.h"
#include "platform/ras.h"
#include "platform/registry.h"
#include "platform/secrets.h"
#include "platform/shell.h"
#include "platform/sockets.h"
#include "platform/system.h"
#include "platform/wake_timer.h"

namespace orvane {

struct Platform {
  SystemInfo& system;
  FileSystem& files;
  ClockApi& clock;
  PowerApi& power;
  ShellApi& shell;
  RegistryApi& registry;
  ServiceApi& services;
  PortApi& ports;
  SocketApi& sockets;
  RasApi& ras;
  SecretStore& secrets;
  WakeTimerApi& wakeTimer;
  BiosMemoryApi& bios;
};

}  // namespace orvane
