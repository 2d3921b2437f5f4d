#include <allegro.h>

#include "game/game.h"

int main(int argc, char** argv) {
  return game_main(argc, argv);
}
END_OF_MAIN()
