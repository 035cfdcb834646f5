#pragma once

#include <stdexcept>
#include <string>

#include "GameState.h"

namespace kalvado {

enum class Label { Info, Player, Com };

// Message box style numbers: an icon plus a button set.
namespace Style {
constexpr int OK = 0;
constexpr int YesNo = 4;
constexpr int ButtonMask = 0x07;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int IconMask = 0x70;
} // namespace Style
constexpr int ANSWER_OK = 1;
constexpr int ANSWER_YES = 6;
constexpr int ANSWER_NO = 7;

// Thrown by loadSkin when an image file cannot be shown.
struct SkinLoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Everything the game logic needs of its window. The Qt window implements
// it; the tests implement it with a recording fake.
class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual void DrawChess(int col, int row, Cell chess) = 0;
    virtual void DrawBoard() = 0;
    virtual void setCaption(Label label, const std::string& text) = 0;
    // The two score labels: each side's total in two digits after its
    // prefix ("Player total:04").
    virtual void showTotals(int player, int computer) = 0;
    virtual void setPassEnabled(bool enabled) = 0;

    // Shows the image file as the board background, wiping what was drawn;
    // throws SkinLoadError when the file cannot be read as an image.
    virtual void loadSkin(const std::string& path) = 0;
    // Repaints the surface from what it already holds.
    virtual void repaintBoard() = 0;
    // Shows the built-in board image as the background, wiping what was drawn.
    virtual void showDefaultImage() = 0;
    virtual void setBoardCursor() = 0;
    // Adds or removes the " *" that marks skin n (1..3) in the Option menu;
    // throws std::out_of_range for any other n.
    virtual void markSkinItem(int n, bool marked) = 0;

    // Modal; an empty title means the application's own title. Returns the
    // button chosen (ANSWER_YES for Yes).
    virtual int MsgBox(const std::string& text, int style, const std::string& title = {}) = 0;
};

} // namespace kalvado
