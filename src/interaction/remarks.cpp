#include "interaction/remarks.h"

#include <cstring>

#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"

void hero_remark(const char* line0, const char* line1, const char* line2) {
  standard_remark(line0, line1, line2);
}

void impossible() {
  hero_remark(TR("Das geht so nicht.", "That doesn't work."));
}

void description() {
  hero_remark(TR("Ein Prachtexemplar seiner Gattung.", "Beautiful !"));
}

namespace {

bool named(const char* name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (std::strcmp(name, n) == 0) return true;
  return false;
}

void cannot_take_it() {
  hero_remark(TR("Das kann ich nicht nehmen.", "I can't take it."));
}

// Looking: the piece's or person's own lines, or the standard description.
void look_at(const text lines[kTextLines]) {
  if (lines[0] && lines[0][0])
    hero_remark(lines[0], lines[1] ? lines[1] : "", lines[2] ? lines[2] : "");
  else
    description();
}

}  // namespace

void cannottake() {
  const int i = cannottake_nr;
  const char* name = (i >= 0 && i < kMaxFurni && furni_name[i]) ? furni_name[i] : "";
  if (named(name, {"erlenmeier", "erlenmeier2", "reagenz"}))
    hero_remark(TR("Ich habe keine Zeit für chemische Experimente.", "I don't have time for chemical experiments."));
  else if (named(name, {"feuerloescher", "feuerloescher2"}))
    hero_remark(TR("Es brennt doch gar nicht.", "It doesn't burn in here."));
  else if (named(name, {"book"}))
    hero_remark(TR("Davon habe ich selbst ein Exemplar zuhause.", "I've got the same book at home already."));
  else if (named(name, {"Muelleimer", "Muell", "Eimer"}))
    hero_remark(TR("Früh übt sich. Aber eigentlich schwebt mir eine", "I don't want to steal their precious waste."),
                TR("andere Karriere als die des Müllmanns vor.", ""));
  else
    cannot_take_it();
}

bool standard_piece_answer(Verb verb, int slot) {
  switch (verb) {
    case Verb::look:
      look_at(furni_text[slot]);
      return true;
    case Verb::take:
      if (furni_take[slot] == 1) return false;
      cannottake_nr = slot;
      cannottake();
      return true;
    case Verb::use:
    case Verb::use_item:
      hero_remark(TR("Das geht so nicht.", "It doesn't work like that."));
      return true;
    case Verb::talk:
    case Verb::give:
      impossible();
      return true;
  }
  return true;
}

bool standard_person_answer(Verb verb, int slot) {
  switch (verb) {
    case Verb::look:
      look_at(person_text[slot]);
      return true;
    case Verb::take:
      cannot_take_it();
      return true;
    case Verb::talk:
      // Out cold or fast asleep: whoever cannot talk does not answer.
      if (person_talk[slot] == 1) return false;
      hero_remark(TR("Keine Antwort. Da ist gerade keiner zu Hause.", "No answer. Nobody's home right now."));
      return true;
    case Verb::give:
      // Someone who talks takes nothing he has no rule for; nothing happens.
      if (person_talk[slot] != 1) impossible();
      return true;
    case Verb::use:
    case Verb::use_item:
      impossible();
      return true;
  }
  return true;
}

namespace {

// Mum's rolling pin breaks nothing (the showcase's own answer is in its room).
constexpr VerbRule kSharedPieceRules[] = {
    {Verb::use_item, nullptr, "rolle", nullptr, {TR("Ich will es nicht kaputt machen.", "I don't want to damage it.")}},
};

}  // namespace

std::span<const VerbRule> shared_piece_rules() {
  return kSharedPieceRules;
}
