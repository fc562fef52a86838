#pragma once

class QWidget;

// Selects the whole text of a field (a line edit or an editable combo box) and
// gives it the focus, so that typing replaces what it held.
void sub_TextSentaku(QWidget* field);
