// The look the game's windows share: their faces, text and background colours,
// the labels they place, and the game's texts made ready for Qt labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string>

#include "ui/kit/OutlinedLabel.h"

namespace look {

// The gold of the gamepad's focus ring and cell cursor.
inline const QColor kPadGold{0xE8, 0xB4, 0x30};

// The game's texts break lines with CR LF (and sometimes LF CR); a label wants LF.
inline QString shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    s.remove(QChar('\r'));
    return s;
}

// One of the game's two faces at a pixel size.
inline QFont face(const QString& family, QFont::StyleHint hint, int pixels, bool bold) {
    QFont f(family);
    f.setStyleHint(hint);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The fixed-pitch face of the lists and tables (bold unless asked otherwise).
inline QFont courier(int pixels, bool bold = true) {
    return face(QStringLiteral("DejaVu Sans Mono"), QFont::Monospace, pixels, bold);
}

// The plain face of labels and buttons (bold unless asked otherwise).
inline QFont sans(int pixels, bool bold = true) {
    return face(QStringLiteral("DejaVu Sans"), QFont::SansSerif, pixels, bold);
}

// A widget's text colour. Setting the colour it already has changes nothing (Qt
// ignores an equal palette): the map's command labels are set on every mouse move.
inline void setTextColour(QWidget* w, QColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

// A colour written as a 0x00BBGGRR number (red in the low byte), as the save
// and load windows give theirs.
inline QColor fromBgr(int v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

inline void setBackground(QWidget* w, QColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A label at a fixed place; `size` empty means it sizes itself to its text.
inline QLabel* label(QWidget* parent, const char* name, int x, int y, int w = 0, int h = 0) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    if (w > 0 && h > 0)
        l->setGeometry(x, y, w, h);
    else
        l->move(x, y);
    return l;
}

// Sets a self-sizing label's text and fits it.
inline void setAutoText(QLabel* l, const QString& text) {
    l->setText(text);
    l->adjustSize();
}

// The white text over the outcome windows' pictures, outlined: bold 16 px, from
// the top left, wrapped at the label's width. `condensed` narrows the face for the longer
// lines of the defeat window.
inline QLabel* whiteLabel(QWidget* parent, int x, int y, int w, int h, bool condensed = false) {
    auto* l = new OutlinedLabel(parent);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(16);
    if (condensed) f.setStretch(QFont::Condensed);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

}  // namespace look
