#pragma once

#include <QFlags>
#include <Qt>

// How a fixed-size dialog is framed: a normal dialog title bar, or the thin
// one of a tool window.
enum class DialogFrame { Dialog, ToolWindow };
enum class CloseButton { Shown, None };

// The window flags of a dialog the player can move and close but neither
// resize, minimise nor maximise. Minimising a modal box would take the whole
// game with it, so the title bar offers the close button at most.
constexpr Qt::WindowFlags fixedDialogFlags(DialogFrame frame,
                                           CloseButton close = CloseButton::Shown) {
    // Customising drops the buttons a window type brings by default; only
    // those named here remain.
    Qt::WindowFlags flags = frame == DialogFrame::Dialog ? Qt::Dialog : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (close == CloseButton::Shown)
        flags |= Qt::WindowCloseButtonHint;
    return flags;
}
