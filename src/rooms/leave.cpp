#include "rooms/rooms.h"

// Exits and room changes: the hero walks through open doors (rooms to come).
void leave_room() {}

// The walk click: the hero walks where the player clicks (rooms to come).
void going() {}
