// The player's settings that options.sav has no room for: how spoken lines and subtitles are shown, and what
// later needs a switch. Each is a whole number with a default and a range, kept as "name=value" in
// "settings.txt" of the player's folder (persistence/settings.h reads and writes the file); every part of the
// game reads them here, as settings::subtitle_band.
//
// A new setting is one line of the list: X(name, default, lowest, highest).
#pragma once

#define PELVARO_SETTINGS(X)                                                                     \
  X(subtitle_band, 1, 0, 1)   /* a translucent dark band behind spoken lines and subtitles */ \
  X(large_subtitles, 0, 0, 1) /* spoken lines and subtitles in the large font */              \
  X(hints, 1, 0, 1)           /* H and the control panel's Hint button ask for a hint */       \
  X(text_until_clicked, 0, 0, 1) /* spoken lines and subtitles stay until a click or a key */ \
  X(pause_when_away, 2, 0, 2) /* pause when the window loses the focus: 0 never, 1 always, 2 in full screen */ \
  X(speech, 0, 0, 1)          /* names, lines, choices and buttons said aloud (core/read_aloud.h) */

namespace settings {

#define PELVARO_SETTING_VARIABLE(name, fallback, lowest, highest) inline int name = fallback;
PELVARO_SETTINGS(PELVARO_SETTING_VARIABLE)
#undef PELVARO_SETTING_VARIABLE

// One setting as the file and the options screen see it.
struct Entry {
  const char* name;
  int* value;
  int fallback;
  int lowest;
  int highest;
};

#define PELVARO_SETTING_ENTRY(name, fallback, lowest, highest) Entry{#name, &name, fallback, lowest, highest},
inline const Entry kEntries[] = {PELVARO_SETTINGS(PELVARO_SETTING_ENTRY)};
#undef PELVARO_SETTING_ENTRY
inline constexpr int kCount = static_cast<int>(sizeof kEntries / sizeof kEntries[0]);

// Every setting back to its default (as at program start).
inline void reset_to_defaults() {
  for (const Entry& e : kEntries) *e.value = e.fallback;
}

}  // namespace settings
