#pragma once

class QWidget;

// Controls carry their numeric ID as the dynamic property "controlId".
int ControlIdOf(const QWidget& widget);

// The child of `root` with the given ID, or null.
QWidget* FindControl(const QWidget& root, int controlId);

// Gives every child of `root` that has a string-table entry under its ID
// that entry as its tool tip; the others get none.
void ApplyToolTips(QWidget& root);
