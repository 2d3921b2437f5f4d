#include <allegro.h>

#include "shell/game.h"

int main(int argc, char** argv) {
  return game_main(argc, argv);
}
END_OF_MAIN()
