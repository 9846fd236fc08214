// Lettering drawn straight over a picture: a transparent label whose letters
// carry a thin outline in a contrasting colour (dark around light letters, light
// around dark ones), so the text stays legible over any part of the picture
// without a box that hides it.
#pragma once

#include <QColor>
#include <QLabel>

class OutlinedLabel : public QLabel {
    Q_OBJECT
public:
    explicit OutlinedLabel(QWidget* parent = nullptr);
    OutlinedLabel(const QString& text, QWidget* parent = nullptr);

    // The outline's colour; an invalid colour (the default) picks one by the
    // lightness of the text.
    void setOutlineColour(QColor c);
    QColor outlineColour() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor outline_;
};

// A lettering label named `name` at (x, y), sized to its text by adjustSize().
OutlinedLabel* outlinedLabel(QWidget* parent, const char* name, int x, int y);

// A line in a window's body that repeats the window's title (captions are cut off
// by window managers): centred, wrapped within `area`, following every change of
// the title.
OutlinedLabel* echoWindowTitle(QWidget* window, const QRect& area, int pixelSize = 14);
