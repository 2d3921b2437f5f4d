// Loading rooms, and the scene handlers of leaving and walking.
#pragma once

// Replace the shown room by the room named `room_name`. An unknown name is
// refused and the current room stays.
void load_new_room();
// Scene handlers of the main loop: exits and room changes, then the walk click.
void leave_room();
void going();
