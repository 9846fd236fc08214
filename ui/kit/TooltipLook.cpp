#include "ui/kit/TooltipLook.h"

#include <QPalette>
#include <QToolTip>

#include "ui/kit/Look.h"

void applyTooltipLook() {
    QPalette p = QToolTip::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::ToolTipBase, QColor(58, 40, 34));
        p.setColor(group, QPalette::ToolTipText, QColor(255, 228, 150));
        p.setColor(group, QPalette::Window, QColor(58, 40, 34));
        p.setColor(group, QPalette::WindowText, QColor(255, 228, 150));
    }
    QToolTip::setPalette(p);
    QToolTip::setFont(look::sans(12));
}
