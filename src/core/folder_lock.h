// One copy of the game per player's folder.
#pragma once

// Takes "pelvaro.lock" in the current (writable) folder, held until the
// process ends (the kernel releases it, also after a crash). When another
// copy holds it, says "Pelvaro is already running." on the console and on the
// screen and ends with status 4, having written nothing.
void take_folder_lock();
