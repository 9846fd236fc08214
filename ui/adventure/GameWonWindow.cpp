#include "ui/adventure/GameWonWindow.h"

#include <QPushButton>

#include "core/data/GameState.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "ui/shell/QuitPath.h"

TVicGameForm::TVicGameForm(GameContext& c)
    : PictureForm(c, assets::kWinGameWon, QSize(578, 500), QColor(60, 40, 10)) {
    setWindowTitle(QStringLiteral("Вы нашли могилу Вахнара и выиграли эту игру!"));
    setClientSize(578, 500);
    QFont bold = font();
    bold.setBold(true);
    Button1 = new QPushButton(QStringLiteral("Продолжить игру"), this);
    Button1->setGeometry(72, 456, 137, 25);
    Button1->setFont(bold);
    Button2 = new QPushButton(QStringLiteral("Выход"), this);
    Button2->setGeometry(384, 456, 137, 25);
    Button2->setFont(bold);
    connect(Button1, &QPushButton::clicked, this, &TVicGameForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TVicGameForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TVicGameForm::FormShow() {
    if (ctx.gs.musicOn == 1) {
        music_.setFile(dataPath(assets::kMusicWin));
        music_.open();
        music_.play();
    }
}

void TVicGameForm::Button1Click() {
    music_.close();
    hide();
}

void TVicGameForm::Button2Click() {
    quitpath::leaveWonGame(ctx);
}
