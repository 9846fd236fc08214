// The town window: the town's race and how it regards the hero, hiring the
// town's recruits, buying a ship, the temple and the way into the vault.
#pragma once

#include <QHash>
#include <QImage>

class PictureBox;

#include "core/towns/TownRules.h"
#include "ui/kit/GameForm.h"

class QLabel;
class QPushButton;
class QSlider;

class TTownForm : public GameForm {
    Q_OBJECT
public:
    explicit TTownForm(GameContext& ctx);

    // Builds the whole window again from the game state (the show operation).
    void rebuild();

    // What the window shows now (for the windows that follow it and for tests).
    const TownScreen& screen() const { return screen_; }

    void Button1Click();  // leave
    void Button2Click();  // ship
    void Button3Click();  // temple
    void Button4Click();  // hire
    void Button5Click();  // vault
    void TrackBar1Change();

protected:
    void FormShow() override;

private:
    void loadPictures();
    QImage picture(const std::string& path, bool bitmap);

    TownScreen screen_;
    QHash<QString, QImage> pictures_;  // loaded once, by full path

    PictureBox* Image1;
    QLabel* Label2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    PictureBox* Image2;
    QLabel* Label3;
    QSlider* TrackBar1;
    QLabel* Label1;
    QLabel* Label4;
};
