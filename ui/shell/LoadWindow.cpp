#include "ui/shell/LoadWindow.h"

#include <QListWidget>
#include <QPushButton>

#include "core/data/GameState.h"
#include "core/flow/SaveSlots.h"
#include "platform/Platform.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/shell/SlotList.h"

TLoadForm::TLoadForm(GameContext& c)
    : SlotWindow(c, QStringLiteral("Восстановление игры"), 16744448) {
    addSlotList(8, 252);
    Button1 = addButton(QStringLiteral("Загрузить"), 8);
    Button2 = addButton(QStringLiteral("Отмена"), 224);
    connectSlotControls();
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
