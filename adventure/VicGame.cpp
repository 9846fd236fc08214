#include "adventure/VicGame.h"

TVicGameForm::TVicGameForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Вы нашли могилу Вахнара и выиграли эту игру!"));
    setClientSize(578, 500);
}
