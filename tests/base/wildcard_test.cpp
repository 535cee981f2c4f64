#include <gtest/gtest.h>

#include "base/wildcard.h"

namespace {

TEST(Wildcard, DosPatterns) {
  const struct { const char* name; const char* pattern; bool match; } cases[] = {
      {"song.wav", "*.WAV", true},
      {"SONG.WAV", "*.wav", true},
      {"song.wave", "*.wav", false},
      {"song.wav", "*.*", true},
      {"README", "*.*", true},  // no dot, still listed
      {"README", "*.", true},
      {"read.me", "*.", false},
      {"a.mid", "?.mid", true},
      {"ab.mid", "?.mid", false},
      {"曲.mid", "?.mid", true},  // "?" takes a whole double-byte character
      {"表.wav", "表.WAV", true},
      {"abc", "a*c", true},
      {"abcbc", "a*bc", true},
      {"abcbd", "a*bc", false},
      {"", "*", true},
      {"x", "", false},
      {"track01.cda", "track??.cda", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(base::MatchesWildcard(c.name, c.pattern), c.match) << c.name << " ~ " << c.pattern;
}

TEST(Wildcard, TrailByteIsNotFoldedToMatchALetter) {
  // "\x88\x61" has the trail byte 'a'; it must not match a name with 'A' there.
  EXPECT_FALSE(base::MatchesWildcard("\x88\x41", "\x88\x61"));
}

}  // namespace
