// Allegro's background thread, which runs the window's input handler (and a
// sound driver's mixing) once every 10 ms, wakes every millisecond to look at
// the clock in between: a thousand wakes a second, about half of what an
// empty Allegro window costs while it waits. This one keeps the same 10 ms
// rounds and sleeps between them. The real backend only.
#pragma once

// Puts it in place of the library's own; before allegro_init (each start of
// the library then starts it). False when the library does not take it.
bool use_quiet_background_thread();
// After allegro_init: whether the library runs its handlers on it.
bool quiet_background_thread_runs();
