#include "LongGame.h"

#include "BenchStories.h"

LongGame::LongGame(int turns) {
    game.KeepHistory(true);
    game.LoadBytes(LargestWorld(), u"largest.teg");
    game.Begin();
    const std::u16string line = LargestWorldTurn();
    for (int i = 0; i < turns; ++i)
        game.Turn(line);
}

std::string LongGameSave(int turns) {
    return LongGame(turns).game.SaveText();
}
