// A picture control: draws its image at its top-left corner and nothing else. It
// looks the same when its window is disabled behind a dialog (a QLabel's pixmap
// would turn grey).
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, QImage image = {})
        : QWidget(parent), image_(std::move(image)) {}

    void setImage(QImage image) {
        image_ = std::move(image);
        update();
    }
    const QImage& image() const { return image_; }
    // Drawing straight into the shown picture; call update() afterwards.
    QImage& canvas() { return image_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

private:
    QImage image_;
};
