#include "ui/shell/SaveWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/data/GameState.h"
#include "core/flow/SaveSlots.h"
#include "platform/Platform.h"
#include "ui/shell/SlotList.h"

TSaveForm::TSaveForm(GameContext& c) : SlotWindow(c, QStringLiteral("Сохранить игру"), 8421631) {
    Label1 = new QLabel(QStringLiteral("Имя:"), this);
    Label1->setGeometry(8, 10, 40, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(48, 6, 273, 21);
    Edit1->setMaxLength(255);

    addSlotList(34, 226);
    Button1 = addButton(QStringLiteral("Сохранить"), 8);
    Button3 = addButton(QStringLiteral("Удалить"), 116);
    Button2 = addButton(QStringLiteral("Отмена"), 224);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connectSlotControls();
}

void TSaveForm::rebuildList() {
    slotlist::fill(ListBox1, false);  // the autosave is never saved into
}

void TSaveForm::FormShow() {
    rebuildList();
    {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    ListBox1Click();
    Edit1->setFocus();
}

void TSaveForm::Edit1Change() {
    Button1->setEnabled(!Edit1->text().trimmed().isEmpty());
}

void TSaveForm::ListBox1Click() {
    const int n = selectedSlot();
    const std::string line = ListBox1->item(n - 1)->text().toStdString();
    Edit1->setText(QString::fromStdString(saveslots::nameForSlot(n, line)));
    Button3->setEnabled(saveslots::slotExists(n));
    Edit1Change();
    Edit1->setFocus();
}

void TSaveForm::Button1Click() {
    if (Edit1->text().trimmed().isEmpty()) return;
    const int n = selectedSlot();
    if (saveslots::slotExists(n)) {
        const std::string line = ListBox1->item(n - 1)->text().toStdString();
        if (!ctx.platform.askYesNo(saveslots::overwriteQuestion(line))) return;
    }
    SaveResult r = saveslots::saveToSlot(n, ctx.gs, Edit1->text().toStdString());
    if (!r.ok) {
        // The slot keeps its older game; the player may pick another slot.
        ctx.platform.message(r.error);
        rebuildList();
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(n - 1);
        return;
    }
    hide();
}

void TSaveForm::Button3Click() {
    const int n = selectedSlot();
    if (!saveslots::slotExists(n)) return;
    const std::string line = ListBox1->item(n - 1)->text().toStdString();
    if (!ctx.platform.askYesNo(saveslots::deleteQuestion(line))) return;
    SaveResult r = saveslots::deleteSlot(n);
    if (!r.ok) ctx.platform.message(r.error);
    rebuildList();
    {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(n - 1);
    }
    ListBox1Click();
}
