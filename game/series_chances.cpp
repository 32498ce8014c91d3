#include "game/series_chances.h"

namespace quintix {

std::optional<TSeriesChances> SeriesChancesOf(const TQuintixGame& game) {
    const TGameState& s = game.State();
    if (s.Phase() != TPhase::Playing || s.NoOfPlayers < 2) {
        return std::nullopt;
    }
    TSeriesChances series;
    series.Position.GamesLeft = s.NoOfGames - s.CurrentGame;
    for (int position = 1; position <= s.NoOfPlayers; ++position) {
        const TPlayer& player = s.Players[position];
        const TPlayStyle style = player.Computer && !s.ExpertPlay ? TPlayStyle::Classic : TPlayStyle::Expert;
        series.Position.Players.push_back(
            {style, game.SeriesGrandTotal(player.ScoreIndex), s.Scores[player.ScoreIndex][s.CurrentGame]});
        series.Names.push_back(player.Name);
    }
    return series;
}

}  // namespace quintix
