// Registration of the everyday activities and of the present, visitor and festival activities.
#pragma once

#include "player.h"

void registerEverydayEvents(EventTable &t);
void registerHobbyEvents(EventTable &t);
