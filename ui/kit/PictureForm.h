// A dialog drawn on its window picture: the picture (generated with the other
// assets) is loaded when the window is shown, freed when it hides, and painted at
// the window's top-left corner, under its controls. A missing picture is not fatal: the
// window shows a plain area of the fallback colour instead.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <string>

#include "ui/kit/GameForm.h"

class PictureForm : public GameForm {
    Q_OBJECT
public:
    // `file`: the picture under the game's data folder (platform/AssetNames);
    // `size` and `fallback`: the plain area shown when it is missing.
    PictureForm(GameContext& ctx, const char* file, QSize size, QColor fallback);

    const QImage& picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // Draws the picture; a window that draws more over it calls this first.
    void paintEvent(QPaintEvent* e) override;

private:
    std::string file_;
    QSize size_;
    QColor fallback_;
    QImage picture_;
};
