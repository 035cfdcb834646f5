#include "Outcome.h"

namespace kalvado {

std::string CellName(int col, int row)
{
    return std::string(1, static_cast<char>('A' + col)) + std::to_string(row + 1);
}

std::string Announcement(const Outcome& outcome)
{
    std::vector<std::string> said;
    if (outcome.newGameAs)
        said.push_back(std::string("New game: you play ") + (*outcome.newGameAs == BLACK ? "black." : "white."));
    for (const Placement& p : outcome.placements)
        said.push_back(std::string(p.side == outcome.human ? "You" : "Computer") + " played " + CellName(p.col, p.row)
                       + " and turned " + std::to_string(p.turned) + ".");
    if (!outcome.placements.empty())
        said.push_back("You " + std::to_string(outcome.playerTotal) + ", computer "
                       + std::to_string(outcome.computerTotal) + ".");
    if (outcome.status && !outcome.status->empty())
        said.push_back(*outcome.status);
    std::string text;
    for (const std::string& sentence : said)
        text += (text.empty() ? "" : " ") + sentence;
    return text;
}

} // namespace kalvado
