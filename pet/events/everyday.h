// Registration of the everyday activities and of the present, visitor and festival activities.
#pragma once

#include "events.h"

#include <array>

// Indexed by event number (0..1006).
using EventTable = std::array<EventProc, 1007>;

void registerEverydayEvents(EventTable &t);
void registerHobbyEvents(EventTable &t);
