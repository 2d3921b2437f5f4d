// The hero's errand: what he walks to do (take a piece, use it, use the
// carried item on it, talk to a person or give him the item, leave through an
// exit) and to which piece, person or exit. It is one world entry, `errand`
// (core/world.h, with its kinds); it is set, cleared and asked here.
//
// A click on a piece, a person or an open exit sets it, and the walk click of
// the same pass sends the hero there (rooms/walk_click.cpp). It ends when he
// arrives and does it, when another click replaces or cancels it, or when he
// stands without having done it (drop_stranded_errand).
#pragma once

#include "core/world.h"

// Sends the hero on an errand of `kind` to piece, person or exit `target`, in
// place of whatever he was about to do. It is fresh: the next walk click (in
// the game, the one of the same pass) keeps it instead of cancelling it.
void set_errand(ErrandKind kind, int target);
// The hero is on no errand.
void clear_errand();
// Whether the hero is on an errand: the one test of "something pending".
bool errand_pending();
// The piece, person or exit of the errand when it is of `kind`; -1 when it is
// of another kind or there is none.
int errand_target(ErrandKind kind);
