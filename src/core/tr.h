// TR("German", "English") picks the text of the build's language at compile
// time. game_de is built with PELVARO_LANG_DE, game_en with PELVARO_LANG_EN;
// nothing switches language at run time.
#pragma once

#if defined(PELVARO_LANG_DE)
#define TR(de, en) (de)
#elif defined(PELVARO_LANG_EN)
#define TR(de, en) (en)
#else
#error "Build with PELVARO_LANG_DE or PELVARO_LANG_EN"
#endif

// The language of this build, for the few places that need to say it.
#if defined(PELVARO_LANG_DE)
inline constexpr const char* kLanguage = "de";
#else
inline constexpr const char* kLanguage = "en";
#endif
