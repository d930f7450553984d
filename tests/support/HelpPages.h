#pragma once

// Reading the help viewer as a player does: following a link with the mouse.

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>

// Clicks the middle of the first link on the page in `view`, scrolled into
// sight first. The click reaches the window as the window system's would, so
// a window that a modal dialog blocks does not get it. False when the page
// has no link.
inline bool clickFirstLink(QTextBrowser* view) {
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isAnchor() || f.charFormat().anchorHref().isEmpty())
                continue;
            QTextCursor at(view->document());
            at.setPosition(f.position() + f.length() / 2);
            view->setTextCursor(at);
            view->ensureCursorVisible();
            const QPoint point = view->cursorRect(at).center();
            QTest::mouseClick(view->window()->windowHandle(), Qt::LeftButton, {},
                              view->viewport()->mapTo(view->window(), point));
            return true;
        }
    }
    return false;
}
