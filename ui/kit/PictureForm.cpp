#include "ui/kit/PictureForm.h"

#include <QHideEvent>
#include <QPainter>

#include "platform/Paths.h"
#include "ui/kit/Pictures.h"

PictureForm::PictureForm(GameContext& c, const char* file, QSize size, QColor fallback)
    : GameForm(c), file_(file), size_(size), fallback_(fallback) {}

void PictureForm::showEvent(QShowEvent* e) {
    // Loaded as the window shows, before its own FormShow.
    if (picture_.isNull())
        picture_ = LoadWindowPicture(dataPath(file_), size_.width(), size_.height(), fallback_);
    GameForm::showEvent(e);
}

void PictureForm::hideEvent(QHideEvent* e) {
    GameForm::hideEvent(e);
    // Read again at the next show: a dialog seldom shown keeps no memory meanwhile.
    if (!e->spontaneous()) picture_ = QImage();
}

void PictureForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
