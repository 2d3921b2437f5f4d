// Room state files: the state of every room kept between visits.
#pragma once

// Build the initial state of the room named `room_name` and write it to the
// room's state file; one step of the start-up progress bar.
void init_temp();
