#pragma once

#include <string>

#include "platform/host.h"

namespace quorvane {

struct Simulation;

/// "Quorvane  " + date "dd mmmm yyyy" + seven spaces + the simulation title.
std::string MainCaption(const CalendarDate& today, const std::string& simulationTitle);

/// After a load or save: the simulation takes the file's name (no folder, no extension) as its
/// title, and the main window's caption shows it.
void TakeTitleFromPath(Simulation& sim, const std::string& path);

}  // namespace quorvane
