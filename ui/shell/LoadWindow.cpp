#include "ui/shell/LoadWindow.h"

#include <QListWidget>
#include <QPushButton>

#include "core/data/GameState.h"
#include "core/flow/SaveSlots.h"
#include "platform/Platform.h"
#include "ui/kit/Look.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/shell/SlotList.h"

TLoadForm::TLoadForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Восстановление игры"));
    setClientSize(329, 306);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::fromBgr(16744448));
    setPalette(pal);

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(8, 8, 313, 252);
    slotlist::setUp(ListBox1);

    Button1 = new QPushButton(QStringLiteral("Загрузить"), this);
    Button1->setGeometry(8, 268, 97, 30);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setGeometry(224, 268, 97, 30);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && isVisible()) ListBox1Click();
    });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    setEscapeAction([this] { Button2Click(); });
    // A double click on a slot, or Enter, presses the window's first button.
    setDefaultButton(Button1);
    connect(ListBox1, &QListWidget::itemDoubleClicked, Button1, &QPushButton::click);
}

int TLoadForm::selectedSlot() const {
    return slotlist::slotOfRow(ListBox1->currentRow());
}

void TLoadForm::FormShow() {
    // The autosave, when there is one, is the line after slot 15.
    slotlist::fill(ListBox1, true);
    {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    ListBox1Click();
}

void TLoadForm::ListBox1Click() {
    Button1->setEnabled(saveslots::slotExists(selectedSlot()));
}

void TLoadForm::Button1Click() {
    // The running game is replaced only by an image that was read whole and
    // passed the checks; otherwise it stays exactly as it was.
    SaveResult r = saveslots::loadFromSlot(selectedSlot(), ctx.gs);
    if (!r.ok) {
        ctx.platform.message(r.error);
        return;
    }
    runHandover(ctx, Handover::Load, *this);
}

void TLoadForm::Button2Click() {
    hide();
}
