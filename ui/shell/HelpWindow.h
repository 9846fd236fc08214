// The game's own help window: the help page ReadMe.htm from the data folder in a
// rich-text browser (links, pictures and section anchors work without any web
// browser installed), with a button that also offers the page to the system's
// browser.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/kit/Forms.h"

class QLabel;
class QTextBrowser;
class QPushButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(GameContext& ctx, QWidget* parent);

    // Shows the page, scrolled to `anchor` or to the top.
    void open(const QString& anchor);

    QTextBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* systemButton() const { return system_; }
    QPushButton* closeButton() const { return close_; }
    // Says that no browser could be started for "Открыть в браузере".
    QLabel* noBrowserNote() const { return noBrowser_; }

private:
    GameContext& ctx;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* system_;
    QPushButton* close_;
    QLabel* noBrowser_;
};

// Shows the help window (one for the whole run, kept by the start window) above
// the game's windows, at a section of the page when `anchor` names one.
void showHelp(GameContext& ctx, const QString& anchor = {});
// The help window once it has been opened, else null.
HelpWindow* helpWindow();
