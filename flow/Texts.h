#pragma once

// The words the game shows, in English, as the game's own source texts. The
// window shows each one in the player's language; the marker lets Qt's
// translation tools find them here without this code depending on Qt.
#ifndef QT_TRANSLATE_NOOP
// (Spelled as Qt spells it, so that either may come first.)
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kalvado {

// The context under which the window looks these texts up.
inline constexpr char GAME_TEXTS[] = "Game";

// Boxes: text and title.
inline constexpr const char* NO_SKIN_TEXT =
    QT_TRANSLATE_NOOP("Game", "No source skin, default is use, you can't change skin.");
inline constexpr const char* NO_SKIN_TITLE = QT_TRANSLATE_NOOP("Game", "No skin source");
inline constexpr const char* NEW_GAME_QUESTION = QT_TRANSLATE_NOOP("Game", "New game! You go first?");
inline constexpr const char* ALREADY_OCCUPIED = QT_TRANSLATE_NOOP("Game", "Already occupied!");
inline constexpr const char* INVALID_POSITION = QT_TRANSLATE_NOOP("Game", "Invalid position!");
//: Title of the boxes that refuse a placement: a startled, childlike cry.
inline constexpr const char* REFUSED_TITLE = QT_TRANSLATE_NOOP("Game", "Oop!!!");
inline constexpr const char* NO_GAME_TEXT =
    QT_TRANSLATE_NOOP("Game", "You should start a game first! Press F2 to start a new game!");
//: Box title, in the game's clumsy tone (for "No game is defined!").
inline constexpr const char* NO_GAME_TITLE = QT_TRANSLATE_NOOP("Game", "No game define!");
inline constexpr const char* LOST_TITLE = QT_TRANSLATE_NOOP("Game", "you lost");
inline constexpr const char* WIN_TITLE = QT_TRANSLATE_NOOP("Game", "you win");

// The status line (and each box's text where they are the same words).
//: The computer speaking, lower case and clumsy on purpose: keep that tone.
inline constexpr const char* COMPUTER_STUCK_TEXT = QT_TRANSLATE_NOOP("Game", "i have no road to go, now is your turn!");
//: 'Pass' is the button's name without its mnemonic: use the translated name.
inline constexpr const char* HUMAN_STUCK_TEXT = QT_TRANSLATE_NOOP("Game", "you have no road to go, press 'Pass'!");
inline constexpr const char* LOST_TEXT = QT_TRANSLATE_NOOP("Game", "you lost!");
inline constexpr const char* WIN_TEXT = QT_TRANSLATE_NOOP("Game", "you win!");

// Every text that the status line shows, for those that check each one.
inline constexpr const char* STATUS_TEXTS[] = {COMPUTER_STUCK_TEXT, HUMAN_STUCK_TEXT, LOST_TEXT, WIN_TEXT};

} // namespace kalvado
