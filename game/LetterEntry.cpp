// Letter entry: every change of a box's text puts it in the case of its place
// and moves the focus on along the row, so an answer is typed in one go.
#include "LetterBox.h"
#include "LetterCase.h"
#include "frmWords.h"

void frmWords::LetterBox_Change(std::int16_t row, std::int16_t Index) {
    LetterBox &box = (*rows_(row))(Index);
    // When the case differs this write is itself a change and runs this
    // handler once more, nested; writing identical text changes nothing.
    box.setText(caseForBox(box.text(), Index));
    if (!box.text().isEmpty() && Index != state_.RowLength(row)) {
        LetterBox &next = (*rows_(row))(static_cast<std::int16_t>(Index + 1));
        next.setFocus();
        next.setSelection(0, 1);
    }
}

void frmWords::LetterBox_GotFocus(std::int16_t row, std::int16_t Index) {
    (*rows_(row))(Index).setSelection(0, 1);
}
