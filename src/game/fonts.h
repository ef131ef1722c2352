#pragma once
// The four bitmap fonts of the game screen. A font is one picture whose patterns are the
// glyphs; character i of a text (counted from 1) stands at x + advance * i, so the first
// glyph is one advance right of x.

#include <string>
#include <string_view>

#include "game/game_pictures.h"
#include "platform/display.h"

namespace orbigolf {

// Pattern of a character in the small and score-card fonts (30, the blank, when the
// character is not in the set; the lookup is case-sensitive, Latin-1 bytes).
int setFontPattern(unsigned char c);
// Pattern in the number font "0123456789o-", or -1 when the character is not drawn.
int numberFontPattern(unsigned char c);
// Pattern in the big font: codes 32..92 are patterns 0..60, anything else the blank 0.
int bigFontPattern(unsigned char c);

// Text in a font picture; nothing happens without a picture.
void drawSetText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y);
void drawNumberFontText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y);
void drawBigFontText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y,
                     int alpha);

// The game's fonts by their pictures: small `gui` 7, number `gui` 8, big `menu` 0,
// score card `menu` 5.
void DrawSmallText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y);
void DrawCardText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y);
void DrawNumberText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y);
void DrawBigText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y, int alpha);

// Upper case of a Latin-1 text (a..z and the accented small letters).
std::string upperCase(std::string_view text);

}  // namespace orbigolf
