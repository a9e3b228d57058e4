#pragma once

class QWidget;

// Makes the program's windows one group around owner, from now on:
// - every window shown (other than owner, menus and tool tips) is transient:
//   a modal one for the window that had the keyboard, any other for owner;
// - when a modal window closes, the window and the control that had the
//   keyboard before it get it back;
// - minimising one of the windows minimises all, restoring one restores all.
void SetOwnerWindow(QWidget* owner);
// The window set by SetOwnerWindow, or none.
QWidget* OwnerWindow();
