#include "ui/shell/SlotWindow.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/kit/Look.h"
#include "ui/shell/SlotList.h"

SlotWindow::SlotWindow(GameContext& c, const QString& title, int colourBgr) : GameForm(c) {
    setWindowTitle(title);
    setClientSize(329, 306);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::fromBgr(colourBgr));
    setPalette(pal);
}

void SlotWindow::addSlotList(int y, int height) {
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(8, y, 313, height);
    slotlist::setUp(ListBox1);
}

QPushButton* SlotWindow::addButton(const QString& text, int x) {
    auto* b = new QPushButton(text, this);
    b->setGeometry(x, 268, 97, 30);
    return b;
}

void SlotWindow::connectSlotControls() {
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

int SlotWindow::selectedSlot() const {
    return slotlist::slotOfRow(ListBox1->currentRow());
}

void SlotWindow::Button2Click() {
    hide();
}
