#include "ui/kit/OutlinedLabel.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

namespace {

// Dark letters get a light rim, light letters a dark one.
QColor contrastFor(QColor text) {
    return qGray(text.rgb()) > 127 ? QColor(18, 10, 4, 235) : QColor(255, 250, 235, 235);
}

}  // namespace

OutlinedLabel::OutlinedLabel(QWidget* parent) : OutlinedLabel(QString(), parent) {}

OutlinedLabel::OutlinedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Room for the rim around the outermost letters.
    setContentsMargins(1, 1, 1, 1);
}

void OutlinedLabel::setOutlineColour(QColor c) {
    outline_ = c;
    update();
}

QColor OutlinedLabel::outlineColour() const {
    return outline_.isValid() ? outline_ : contrastFor(palette().color(foregroundRole()));
}

void OutlinedLabel::paintEvent(QPaintEvent* e) {
    const QString t = text();
    const bool rich =
        textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(t));
    if (t.isEmpty() || rich) {
        QLabel::paintEvent(e);
        return;
    }
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    int flags = QStyle::visualAlignment(layoutDirection(), alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;

    // The letters' shape once, in the rim's colour, then stamped around them.
    const qreal dpr = devicePixelRatioF();
    QImage rim(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    rim.setDevicePixelRatio(dpr);
    rim.fill(Qt::transparent);
    {
        QPainter r(&rim);
        r.setFont(font());
        r.setPen(outlineColour());
        r.drawText(area, flags, t);
    }
    QPainter p(this);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) p.drawImage(QPointF(dx, dy), rim);
    p.setFont(font());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.drawText(area, flags, t);
}

OutlinedLabel* outlinedLabel(QWidget* parent, const char* name, int x, int y) {
    auto* l = new OutlinedLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    return l;
}

OutlinedLabel* echoWindowTitle(QWidget* window, const QRect& area, int pixelSize) {
    auto* l = new OutlinedLabel(window->windowTitle().trimmed(), window);
    l->setObjectName(QStringLiteral("TitleEcho"));
    l->setGeometry(area);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 236, 190));
    l->setPalette(pal);
    // Clicks on the picture belong to the window.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    QObject::connect(window, &QWidget::windowTitleChanged, l,
                     [l](const QString& title) { l->setText(title.trimmed()); });
    return l;
}
