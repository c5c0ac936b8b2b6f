#pragma once

class QWidget;

// Qt hands a new name or description of the focused control to a screen reader
// in a form Orca cannot read, so news is told by a focus arriving. Orca tells
// the focus only on a control other than the one it is on: the control comes
// back as a new accessible object, while the focus rests on restingPlace.
void focusAnew(QWidget &widget, QWidget &restingPlace);
