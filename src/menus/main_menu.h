// The main menu: New game, Credits, Quit (and the instructions and options
// buttons), shown once per run before a game starts.
#pragma once

// Loads the menu's pictures, runs the menu until the player starts a new game,
// releases the pictures. Does not return when the player quits.
void main_menu();
void show_menu();
void show_credits();
// Quit from the menu: stop the music, write the options, farewell, exit 1.
[[noreturn]] void quit_from_menu();

// A hot area of the menu: x1 < x <= x2 and y1 < y <= y2.
struct MenuArea {
  int x1, x2, y1, y2;
};
inline constexpr MenuArea kMenuNew{61, 272, 158, 191};
inline constexpr MenuArea kMenuSecond{61, 272, 251, 284};
inline constexpr MenuArea kMenuThird{61, 272, 297, 330};
inline constexpr MenuArea kMenuCredits{61, 272, 341, 379};
inline constexpr MenuArea kMenuQuit{109, 224, 401, 441};
bool mouse_in(const MenuArea& a);
