// One copy of the game per player's folder.
#pragma once

// Takes "pelvaro.lock" in the current (writable) folder, held until the
// process ends (the kernel releases it, also after a crash). When another
// copy holds it, says "Pelvaro is already running." on the console and on the
// screen and ends with status 4, having written nothing. Holding it, removes
// the temporary files that processes no longer running left in the folder,
// sav/ and sav/tmp/ ("<name>.<pid>.tmp", and a load's "<file>.<pid>.new" and
// "<file>.<pid>.old" in sav/tmp/).
void take_folder_lock();
