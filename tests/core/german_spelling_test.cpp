// The game's texts as the source files hold them: every text of src/ written with the TR macro is read; its
// German half writes ä, ö, ü and ß where German spells them (no "waere", "Muellhaufen", "heiss" comes back), and
// both halves hold only characters the game font draws (ASCII and Latin-1, as UTF-8).
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Words with "ae", "oe", "ue" or an "ss" after a long sound that are spelled so on purpose, in lower case: the
// diphthongs au and eu and the qu before an e, "zu-erst", "aus-schalten", and the Luxembourgish lines of the
// present-day school, which keep their own spelling. A new word of this kind goes here.
const std::set<std::string> kSpelledSoOnPurpose = {
    // German
    "abenteuerspiel", "ausschalten", "bauen", "brauen", "dauert", "durchschauen", "energiequelle", "feuerlöscher",
    "neue", "neues", "neueste", "putzfrauen", "schauen", "umgehauen", "zuerst",
    // Luxembourgish
    "basketkuerf", "fraesch", "gefluestert", "gefriess", "glaenner", "haenken", "haenn", "haer", "huet",
    "letzebuerg", "muench", "saein", "vergiess", "verluer", "wuel"};

struct Text {
  std::string where;  // file:line
  std::string german, english;
  bool english_is_literal = false;
};

// The escapes the game's texts use, turned into their characters.
std::string unescape(const std::string& raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      out += raw[i];
      continue;
    }
    const char c = raw[++i];
    out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

// Reads the string literals that follow `at` (adjacent ones join, as in C++), past blanks and comments; `at`
// ends on the first character after them.
bool literals(const std::string& src, size_t& at, std::string& text) {
  bool any = false;
  for (;;) {
    while (at < src.size()) {
      if (std::isspace(static_cast<unsigned char>(src[at]))) {
        ++at;
      } else if (src.compare(at, 2, "//") == 0) {
        at = std::min(src.find('\n', at), src.size());
      } else if (src.compare(at, 2, "/*") == 0) {
        const size_t end = src.find("*/", at);
        at = end == std::string::npos ? src.size() : end + 2;
      } else {
        break;
      }
    }
    if (at >= src.size() || src[at] != '"') return any;
    size_t end = at + 1;
    while (end < src.size() && src[end] != '"') end += src[end] == '\\' ? 2 : 1;
    text += unescape(src.substr(at + 1, end - at - 1));
    at = end + 1;
    any = true;
  }
}

// Every use of the TR macro whose first argument is a literal, in one source file.
std::vector<Text> texts_of(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string src = buffer.str();
  const std::string opening = std::string("TR") + "(";
  std::vector<Text> found;
  for (size_t at = src.find(opening); at != std::string::npos; at = src.find(opening, at + 1)) {
    if (at > 0 && (std::isalnum(static_cast<unsigned char>(src[at - 1])) || src[at - 1] == '_')) continue;
    Text t;
    t.where = file.filename().string() + ":" + std::to_string(std::count(src.begin(), src.begin() + at, '\n') + 1);
    size_t after = at + opening.size();
    if (!literals(src, after, t.german) || after >= src.size() || src[after] != ',') continue;
    ++after;
    t.english_is_literal = literals(src, after, t.english);
    found.push_back(t);
  }
  return found;
}

std::vector<Text> game_texts() {
  std::vector<Text> all;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(PELVARO_FIXTURES_DIR) / ".." / ".." / "src")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    for (Text& t : texts_of(entry.path())) all.push_back(std::move(t));
  }
  return all;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The words of a German text that German spells otherwise: an umlaut written "ae", "oe" or "ue", or an "ß"
// written "ss". German writes ß after a diphthong (heiß, draußen, schließt) and after the long vowels of the
// stems below (bloß, groß, Fuß, Straße, Spaß, Stoß, Gruß, Maßstab); a short vowel keeps ss (dass, Schloss).
std::vector<std::string> misspelled_words(const std::string& text) {
  static const char* const kLongVowelStems[] = {"bloss", "gross", "fuss", "strasse", "spass", "stoss", "gruss", "masss"};
  static const char* const kBeforeEszett[] = {"eiss", "aiss", "auss", "euss", "äuss", "iess"};
  std::vector<std::string> wrong;
  std::string word;
  auto check = [&] {
    const std::string w = lower(word);
    word.clear();
    if (w.empty() || kSpelledSoOnPurpose.count(w)) return;
    bool bad = w.find("ae") != std::string::npos || w.find("oe") != std::string::npos ||
               w.find("ue") != std::string::npos;
    for (const char* s : kBeforeEszett) bad = bad || w.find(s) != std::string::npos;
    for (const char* s : kLongVowelStems) bad = bad || w.find(s) != std::string::npos;
    if (bad) wrong.push_back(w);
  };
  for (const char c : text) {
    // Letters, and the bytes of a letter beyond ASCII, make words; everything else ends one.
    if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
      word += c;
    } else {
      check();
    }
  }
  check();
  return wrong;
}

// The characters of a UTF-8 text that the game font has no glyph for (it holds 32..126 and 160..255); a byte
// that starts no UTF-8 character counts as U+FFFD. A line break is for the texts printed on the console.
std::vector<unsigned> undrawable(const std::string& text) {
  std::vector<unsigned> bad;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t n = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                   : lead >= 0xF0 && lead < 0xF5                    ? 4
                                                                    : 0;
    unsigned c = n == 1 ? lead : n == 2 ? lead & 0x1Fu : n == 3 ? lead & 0x0Fu : lead & 0x07u;
    bool whole = n > 0 && i + n <= text.size();
    for (size_t k = 1; whole && k < n; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      whole = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3Fu);
    }
    if (!whole) c = 0xFFFD;
    if (!(c == '\n' || (c >= 32 && c <= 126) || (c >= 160 && c <= 255))) bad.push_back(c);
    i += whole ? n : 1;
  }
  return bad;
}

}  // namespace

TEST(GermanSpelling, TheCheckFindsTransliterationsAndPassesWordsSpelledSoOnPurpose) {
  const struct { const char* text; std::vector<std::string> wrong; } cases[] = {
      {"Der Hausmeister waere stolz auf mich.", {"waere"}},
      {"Ein Haufen Muell. Oeffnen? Aerger!", {"muell", "oeffnen", "aerger"}},
      {"Es ist heiss draussen, ausser hier.", {"heiss", "draussen", "ausser"}},
      {"Bloss nicht die Strasse, der Fussabtreter ist gross.", {"bloss", "strasse", "fussabtreter", "gross"}},
      {"Der Schrank schliesst, das Modell ist massstabsgetreu.", {"schliesst", "massstabsgetreu"}},
      {"Der Hausmeister wäre stolz. Es ist heiß draußen, bloß nicht.", {}},
      {"Dass ich muss: das Schloss der Klasse, lass es, ein bisschen Wasser.", {}},
      {"Der neue Direktor. Ein Abenteuerspiel. Zuerst schauen wir, was Sie brauen.", {}},
      {"D'Glaenner. Een huet saein Numm dran gekraazt.", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(misspelled_words(c.text), c.wrong) << c.text;
}

TEST(GermanSpelling, EveryGermanTextOfTheSourcesWritesUmlautsAndEszettAsGermanSpellsThem) {
  const std::vector<Text> texts = game_texts();
  // The reader finds the game's texts: hundreds of them, the menus', the rooms' and the Luxembourgish ones.
  ASSERT_GT(texts.size(), 600u);
  auto holds = [&](const std::string& s) {
    return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return t.german.find(s) != std::string::npos; });
  };
  EXPECT_TRUE(holds("Zurück") && holds("Geräusche") && holds("Müllhaufen") && holds("heiß") && holds("Glaenner"));
  for (const Text& t : texts)
    for (const std::string& w : misspelled_words(t.german)) ADD_FAILURE() << t.where << ": \"" << w << "\" in " << t.german;
}

TEST(GermanSpelling, EveryTextHoldsOnlyCharactersTheGameFontDraws) {
  for (const Text& t : game_texts()) {
    EXPECT_EQ(undrawable(t.german), std::vector<unsigned>{}) << t.where << ": " << t.german;
    if (t.english_is_literal) EXPECT_EQ(undrawable(t.english), std::vector<unsigned>{}) << t.where << ": " << t.english;
  }
  EXPECT_EQ(undrawable("Grün, müde, Äh, Übung, Öl, heiß"), std::vector<unsigned>{});
  EXPECT_EQ(undrawable("„Anführung“ – ein Strich"), (std::vector<unsigned>{0x201E, 0x201C, 0x2013}));
  EXPECT_EQ(undrawable(std::string("Latin-1 \xE4 alone")), std::vector<unsigned>{0xFFFD});
}
