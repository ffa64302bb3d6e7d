#include "storage/settings_keys.h"

#include "platform/files.h"

namespace orvane {

IniSettings wakeSettings(FileSystem& files) { return IniSettings(files, files.programDirectory() / "wake.ini"); }

}  // namespace orvane
