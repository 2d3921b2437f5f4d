// The window's size as the player chose it on the options screen, kept in a
// file of its own, "display.sav", beside "options.sav" (whose format stays as
// it is). The file holds one number written "%d ": the factor the 640 x 480
// picture is enlarged by, or 0 for the largest that fits the desktop; or the
// word "fill" for the picture filling the desktop (window_fit::kFill).
#pragma once

// Read "display.sav" into window_scale; a missing or damaged file, or a
// number out of range, gives 0 (the largest that fits).
void load_display_options();
// Write window_scale to "display.sav" through a temporary file and a rename.
// Returns 0 on success.
int save_display_options();

// The factor asked for with "-scale N" anywhere on the command line, N from 1
// to window_fit::kMaxScale, or window_fit::kFill for "-scale fill"; 0 when
// there is none. A "-scale" without such a
// number is reported on the console and left out.
int scale_from_command_line(int argc, char** argv);
