#include "ui/adventure/DiaryWindow.h"

#include <QLabel>

#include "core/adventure/Quest.h"
#include "platform/AssetNames.h"
#include "ui/kit/Look.h"

namespace {
// Where the parchment's red seal lies.
const QRect kSeal(236, 316, 29, 29);
}  // namespace

TTextForm::TTextForm(GameContext& c)
    : PictureForm(c, assets::kWinDiary, QSize(289, 363), QColor(222, 200, 150)) {
    setWindowTitle(QStringLiteral("Дневник Назга"));
    setClientSize(289, 363);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0, 0));
    setPalette(pal);
    Label1 = new QLabel(this);
    Label1->move(50, 64);
    Label1->resize(220, 22);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A monospaced bold face: the diary's 20-character lines fit the label.
    Label1->setFont(look::courier(17));
    setEscapeAction([this] { Button1Click(); });
    // The red seal at the foot of the page closes the diary: the hint stands
    // beside it and the hand cursor shows over it.
    setQuickClose();
    closeHint()->move(kSeal.left() - closeHint()->width() - 6,
                      kSeal.center().y() - closeHint()->height() / 2);
    auto* seal = new QWidget(this);
    seal->setObjectName(QStringLiteral("Seal"));
    seal->setGeometry(kSeal);
    seal->setCursor(Qt::PointingHandCursor);
    seal->setToolTip(QStringLiteral("Закрыть дневник"));
}

void TTextForm::FormShow() {
    QString text = QString::fromStdString(maskedDiary(ctx.gs));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Label1->setText(text);
    Label1->adjustSize();
}

void TTextForm::Button1Click() {
    hide();
}
