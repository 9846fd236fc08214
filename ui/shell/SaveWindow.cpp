#include "ui/shell/SaveWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/data/GameState.h"
#include "core/flow/SaveSlots.h"
#include "platform/Platform.h"
#include "ui/kit/Look.h"
#include "ui/shell/SlotList.h"

TSaveForm::TSaveForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Сохранить игру"));
    setClientSize(329, 306);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::fromBgr(8421631));
    setPalette(pal);

    Label1 = new QLabel(QStringLiteral("Имя:"), this);
    Label1->setGeometry(8, 10, 40, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(48, 6, 273, 21);
    Edit1->setMaxLength(255);

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(8, 34, 313, 226);
    slotlist::setUp(ListBox1);

    Button1 = new QPushButton(QStringLiteral("Сохранить"), this);
    Button1->setGeometry(8, 268, 97, 30);
    Button3 = new QPushButton(QStringLiteral("Удалить"), this);
    Button3->setGeometry(116, 268, 97, 30);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setGeometry(224, 268, 97, 30);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && isVisible()) ListBox1Click();
    });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    setEscapeAction([this] { Button2Click(); });
    // A double click on a slot, or Enter, presses the window's first button.
    setDefaultButton(Button1);
    connect(ListBox1, &QListWidget::itemDoubleClicked, Button1, &QPushButton::click);
}

void TSaveForm::rebuildList() {
    slotlist::fill(ListBox1, false);  // the autosave is never saved into
}

int TSaveForm::selectedSlot() const {
    return slotlist::slotOfRow(ListBox1->currentRow());
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

void TSaveForm::Button2Click() {
    hide();
}
