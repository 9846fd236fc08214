#include "ui/shell/SlotList.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/flow/SaveSlots.h"

namespace slotlist {
namespace {

constexpr int kTimeRole = Qt::UserRole + 1;

// Draws the line's text cut short where the time column begins, and the time
// right-aligned in that column.
class TimeColumn : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString when = index.data(kTimeRole).toString();
        const int column = when.isEmpty() ? 0 : opt.fontMetrics.horizontalAdvance(when) + 12;
        opt.text =
            opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, opt.rect.width() - column - 8);
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, opt.widget);
        if (when.isEmpty()) return;
        p->save();
        const bool selected = opt.state & QStyle::State_Selected;
        p->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : QColor(170, 170, 170));
        p->drawText(opt.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, when);
        p->restore();
    }
};

void addLine(QListWidget* list, int slot) {
    const QString line = QString::fromStdString(saveslots::slotLine(slot));
    auto* item = new QListWidgetItem(line, list);
    // The autosave's line says its time itself, and may need the whole width.
    if (slot == saveslots::kAutoSlot)
        item->setToolTip(line);
    else
        item->setData(kTimeRole, QString::fromStdString(saveslots::slotTime(slot)));
}

}  // namespace

void setUp(QListWidget* list) {
    QPalette lp = list->palette();
    lp.setColor(QPalette::Base, Qt::black);
    lp.setColor(QPalette::Text, Qt::white);
    list->setPalette(lp);
    list->setItemDelegate(new TimeColumn(list));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void fill(QListWidget* list, bool withAutosave) {
    QSignalBlocker block(list);
    list->clear();
    for (int n = 1; n <= saveslots::kSlots; ++n) addLine(list, n);
    if (withAutosave && saveslots::slotExists(saveslots::kAutoSlot))
        addLine(list, saveslots::kAutoSlot);
}

int slotOfRow(int row) {
    return row < 0 ? 1 : row + 1;
}

}  // namespace slotlist
