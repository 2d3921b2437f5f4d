// The main menu's instructions and options screens.
#include "menus/main_menu.h"

// Written by the menu screens' developer; until then the buttons return at once.
void show_instructions() {}
void show_main_options() {}
