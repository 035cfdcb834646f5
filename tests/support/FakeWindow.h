#pragma once

#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "BoardPicture.h"
#include "BoxScript.h"
#include "WindowOps.h"

namespace kalvado::test {

struct Box {
    std::string text;
    int style;
    std::string title;
    bool operator==(const Box&) const = default;
};

// What the player saw around a box while it was open.
struct Seen {
    std::string status;
    bool passEnabled;
    std::string background;
    BoardCells shown;
};

// Records every window operation in order and keeps a model of what the
// player would see: the discs on the surface, the captions, the Pass button.
class FakeWindow : public WindowOps {
public:
    std::vector<std::string> log;
    std::vector<Box> boxes;
    std::vector<Seen> atBoxes;          // what was shown while each box was open
    std::map<Label, std::string> captions;
    std::array<Cell, CELL_COUNT> screen{};      // disc painted in each cell, EMPTY when none
    std::string background = "initial"; // what the surface shows under the drawing: the window's initial background until an image replaces it
    bool gridDrawn = false;
    bool passEnabled = false;
    bool boardCursor = false;
    std::set<int> markedSkins{1};        // Option menu items carrying " *"

    std::set<std::string> unreadable;    // paths whose load fails
    std::set<std::string> failingOps;    // operations that throw (for failure paths)
    BoxScript script;                    // answers to the boxes

    FakeWindow() { screen.fill(EMPTY); }

    void DrawChess(int col, int row, Cell chess) override
    {
        maybeFail("DrawChess");
        log.push_back("DrawChess " + std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(chess));
        screen.at(static_cast<std::size_t>(cellIndex(col, row))) = chess;
    }
    void DrawBoard() override
    {
        maybeFail("DrawBoard");
        log.push_back("DrawBoard");
        gridDrawn = true;
    }
    void setCaption(Label label, const std::string& text) override
    {
        log.push_back(labelName(label) + "=" + text);
        captions[label] = text;
    }
    void showTotals(int player, int computer) override
    {
        setCaption(Label::Player, totalText("Player total:", player));
        setCaption(Label::Com, totalText("Computer total:", computer));
    }
    void setPassEnabled(bool enabled) override
    {
        log.push_back(enabled ? "Pass on" : "Pass off");
        passEnabled = enabled;
    }
    void loadSkin(const std::string& path) override
    {
        log.push_back("loadSkin " + path);
        if (unreadable.count(path))
            throw SkinLoadError("cannot read " + path);
        wipe(path);
    }
    void repaintBoard() override { log.push_back("repaint"); }
    void showDefaultImage() override
    {
        log.push_back("default image");
        wipe("default");
    }
    void setBoardCursor() override
    {
        log.push_back("cursor");
        boardCursor = true;
    }
    void markSkinItem(int n, bool marked) override
    {
        if (n < 1 || n > 3)
            throw std::out_of_range("no skin " + std::to_string(n));
        log.push_back("mark " + std::to_string(n) + (marked ? " on" : " off"));
        if (marked)
            markedSkins.insert(n);
        else
            markedSkins.erase(n);
    }
    int MsgBox(const std::string& text, int style, const std::string& title) override
    {
        log.push_back("box " + text);
        boxes.push_back({text, style, title});
        atBoxes.push_back({caption(Label::Info), passEnabled, background, shown()});
        return script.answer(style);
    }

    Cell screenAt(int col, int row) const { return screen.at(static_cast<std::size_t>(cellIndex(col, row))); }
    // The discs on the surface, as a board.
    BoardCells shown() const
    {
        BoardCells board;
        forEachCell([&](int col, int row) { board(col, row) = screenAt(col, row); });
        return board;
    }
    std::string caption(Label label) const
    {
        auto it = captions.find(label);
        return it == captions.end() ? std::string() : it->second;
    }
    void clearRecords()
    {
        log.clear();
        boxes.clear();
        atBoxes.clear();
    }

    // A score label's English text: "Player total:04".
    static std::string totalText(const char* prefix, int total)
    {
        return prefix + std::string(total < 10 ? "0" : "") + std::to_string(total);
    }
    static std::string labelName(Label label)
    {
        switch (label) {
        case Label::Info: return "lblInfo";
        case Label::Player: return "lblPlayer";
        case Label::Com: return "lblCom";
        }
        return "?";
    }

private:
    void maybeFail(const std::string& op)
    {
        if (failingOps.count(op))
            throw std::runtime_error(op + " failed");
    }
    void wipe(const std::string& image)
    {
        background = image;
        screen.fill(EMPTY);
        gridDrawn = false;
    }
};

} // namespace kalvado::test
